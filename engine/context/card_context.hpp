#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "cards/cards.hpp"
#include "cards/range.hpp"
#include "context/board.hpp"
#include "context/build_cancel.hpp"
#include "context/suit_isomorphism.hpp"

namespace halvory {

class WorkerPool;

// One hand on one runout: its strength + 1, its position in the seat's
// `pockets` list and its cards (what would be padding; a merge reads them
// without a second load that waits for the position). Lists are framed by
// kShowdownLow and kShowdownHigh so a merge over two seats needs no bounds
// test.
struct ShowdownRecord {
  std::uint32_t value;
  std::uint16_t position;
  Pocket pocket;
};
static_assert(sizeof(ShowdownRecord) == 8);

inline constexpr std::uint16_t kNoHand = 65535;
inline constexpr ShowdownRecord kShowdownLow{0u, kNoHand, 0};
inline constexpr ShowdownRecord kShowdownHigh{4294967295u, kNoHand, 0};

// Per seat (0 out of position, 1 in position): the seat's live hands on one
// runout, ascending by value, ties by position, between the two sentinels.
using RunoutShowdown = std::array<std::vector<ShowdownRecord>, 2>;

// Hand positions of one seat, ascending.
using HandList = std::vector<std::uint16_t>;
// One hand list per seat.
using SeatHandLists = std::array<HandList, 2>;

// The tables derived from the board and the two ranges: everything a
// construction computes, and what the process-wide cache shares.
struct CardContextTables {
  std::array<std::vector<Pocket>, 2> pockets;
  std::array<std::vector<float>, 2> weights;
  std::array<std::vector<float>, 2> reach_norm;
  std::array<std::vector<float>, 2> reach_raw;
  SuitIsomorphism suit_isomorphism;
  // 1326 entries by the pocket index of (turn, river).
  std::vector<RunoutShowdown> runouts;
  // For hand i of seat s: the position of the same two cards in the other
  // seat's list, kNoHand when the other seat cannot hold them.
  std::array<HandList, 2> cross;
  // Per seat: 0, 1, ..., n - 1.
  std::array<HandList, 2> all_hands;
  // By card (52 entries) and by card pair (1326 entries, pocket index):
  // per seat, the hands that hold none of the cards / any of them.
  std::vector<SeatHandLists> compatible_by_card;
  std::vector<SeatHandLists> compatible_by_pair;
  std::vector<SeatHandLists> blocked_by_card;
  std::vector<SeatHandLists> blocked_by_pair;
  // Total weight of all pairs of card-disjoint hands of the two seats.
  double matchup_weight = 0.0;
};

// Everything about the cards of one spot that does not depend on the betting.
// Complete once constructed; read-only afterwards, safe to read from any
// number of threads.
class CardContext : public CardContextTables {
 public:
  // The derived tables of a construction, shared with a concurrent
  // construction of the same spot through the process-wide cache.
  using CachedArtifacts = CardContextTables;

  // Throws the board validation messages, or "Player range empty after
  // filtering board cards"; BuildCancelled once `cancel` is raised (only a
  // complete context is ever shared through the cache). The tables are built
  // through parallel_for on `threads` threads (the calling one included), or
  // on fewer when card_context_max_workers() is lower.
  CardContext(const Board& board, const Range& oop_range, const Range& ip_range, bool short_deck,
              CancelFlag cancel = nullptr, std::size_t threads = 1);
  CardContext(const CardContext&) = default;
  CardContext(CardContext&&) = default;
  CardContext& operator=(const CardContext&) = default;
  CardContext& operator=(CardContext&&) = default;
  ~CardContext() = default;

  // The showdown lists of the runout (turn, river); a shared empty entry when
  // either card is kNoCard or the pair lies outside the table.
  const RunoutShowdown& runout_entry(CardCode turn, CardCode river) const;

  // Bytes held by the tables, for the memory estimate.
  std::uint64_t memory_bytes() const;

  // Cache access (process-wide map from key to a weak reference).
  // A lookup erases an expired entry.
  static std::shared_ptr<const CachedArtifacts> find_cached_artifacts(std::uint64_t key);
  static void publish_artifacts(std::uint64_t key,
                                const std::shared_ptr<const CachedArtifacts>& artifacts);

  Board board{};
  std::array<Range, 2> ranges{};
  std::uint8_t short_deck = 0;
  std::uint64_t deck_mask = 0;
  Street street = kStreetFlop;
  std::uint64_t board_mask = 0;
  std::vector<CardCode> board_cards;
  std::uint64_t key = 0;

 private:
  void validate_board() const;
  void compute_board_state();
  void compute_key();
  void copy_from_artifacts(const CachedArtifacts& artifacts);
  std::shared_ptr<const CachedArtifacts> make_artifacts() const;
  void rebuild_private(WorkerPool* pool, std::size_t threads);
  void build_pockets(int seat);
  void compute_matchup_weight();
  void build_cross_maps();
  void compute_reach();
};

// Most threads a construction uses: "HALVORY_CARDCTX_MAX_WORKERS" when it
// starts with a positive 32-bit integer (no upper bound), else the hardware
// thread count. Read at every call; a bad value is ignored.
std::uint32_t card_context_max_workers();

// 64-bit hash of the 1326 weights' bit patterns.
std::uint64_t hash_range(const Range& range);

// The runout showdown table of a context, split over `threads` threads of
// `pool` by parallel_for (here alone without a pool). Stops early, leaving
// entries unfilled, once `cancel` is raised.
void build_runout_tables(CardContext& context, CancelFlag cancel = nullptr,
                         WorkerPool* pool = nullptr, std::size_t threads = 1);

// The runouts [first, last) of a runout list, written into their entries.
// Stops early, leaving later entries untouched, once `stop` or `cancel` is
// raised.
struct RunoutJob {
  CardContext* context = nullptr;
  const std::vector<std::array<CardCode, 2>>* runout_list = nullptr;
  const std::atomic<bool>* stop = nullptr;
  CancelFlag cancel = nullptr;
};
void evaluate_runouts(const RunoutJob& job, std::size_t first, std::size_t last);

// `all_hands` and the four blocker tables of a context.
void build_filter_tables(CardContext& context, CancelFlag cancel = nullptr);

// The runout list of a context: (lower, higher) card pairs completing its
// board, ascending.
std::vector<std::array<CardCode, 2>> runout_list(const CardContext& context);

}  // namespace halvory
