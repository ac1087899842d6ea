#include "context/card_context.hpp"

#include "cards/refusal.hpp"
#include "context/worker_limits.hpp"
#include "context/worker_pool.hpp"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <unordered_map>

namespace halvory {

namespace {

// The cache is created before main and deliberately never destroyed: a
// detached solve or estimate thread may still be constructing a context
// while the process runs its static destructors.
struct ArtifactCache {
  std::mutex mutex;
  std::unordered_map<std::uint64_t, std::weak_ptr<const CardContext::CachedArtifacts>> entries;
};
ArtifactCache& g_cache = *new ArtifactCache;

constexpr std::uint64_t kFnvOffset = 0xcbf29ce484222325ull;
constexpr std::uint64_t kFnvPrime = 0x100000001b3ull;

// FNV-1a 64 over the eight little-endian bytes of v.
std::uint64_t fnv1a_u64(std::uint64_t v) {
  std::uint64_t h = kFnvOffset;
  for (int i = 0; i < 8; ++i) {
    h ^= (v >> (8 * i)) & 0xffu;
    h *= kFnvPrime;
  }
  return h;
}

void hash_combine(std::uint64_t& seed, std::uint64_t h) {
  seed ^= h + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2);
}

constexpr std::uint64_t card_bit(CardCode c) {
  return std::uint64_t{1} << c;
}

std::uint64_t deck_mask_of(bool short_deck) {
  constexpr std::uint64_t all = (std::uint64_t{1} << 52) - 1;
  // Short deck drops ranks 2..5, codes 0..15.
  return short_deck ? all & ~((std::uint64_t{1} << 16) - 1) : all;
}

// The two cards (a < b) of a pocket index, walking blocks of 51, 50, ... hands.
std::pair<CardCode, CardCode> pocket_cards(int index) {
  int rest = index;
  for (int a = 0, block = 51; block > 0; ++a, --block) {
    if (rest < block) return {static_cast<CardCode>(a), static_cast<CardCode>(a + 1 + rest)};
    rest -= block;
  }
  throw std::logic_error("Failed to resolve pocket index");
}

constexpr CardCode low_card(Pocket p) {
  return static_cast<CardCode>(p & 0xffu);
}
constexpr CardCode high_card(Pocket p) {
  return static_cast<CardCode>(p >> 8);
}

// Position of each pocket index in a seat's hand list, kNoHand when absent.
std::array<std::uint16_t, kPocketCount> position_table(const std::vector<Pocket>& pockets) {
  std::array<std::uint16_t, kPocketCount> table;
  table.fill(kNoHand);
  for (std::size_t i = 0; i < pockets.size(); ++i)
    table[pocket_index(low_card(pockets[i]), high_card(pockets[i]))] =
        static_cast<std::uint16_t>(i);
  return table;
}

template <class T>
std::uint64_t reserved_bytes(const std::vector<T>& v) {
  return static_cast<std::uint64_t>(v.capacity()) * sizeof(T);
}

std::uint64_t blocker_table_bytes(const std::vector<SeatHandLists>& table) {
  std::uint64_t bytes = reserved_bytes(table);
  for (const SeatHandLists& entry : table)
    for (const HandList& list : entry) bytes += reserved_bytes(list);
  return bytes;
}

std::uint64_t suit_isomorphism_bytes(const SuitIsomorphism& iso) {
  std::uint64_t bytes = reserved_bytes(iso.turn_representatives) +
                        reserved_bytes(iso.turn_skipped) +
                        reserved_bytes(iso.river_representatives);
  for (const SeatHandSwaps& seats : iso.turn_swaps)
    for (const HandSwapList& list : seats) bytes += reserved_bytes(list);
  for (const auto& list : iso.river_representatives) bytes += reserved_bytes(list);
  for (const auto& list : iso.river_skipped) bytes += reserved_bytes(list);
  for (const auto& by_suit : iso.river_swaps)
    for (const SeatHandSwaps& seats : by_suit)
      for (const HandSwapList& list : seats) bytes += reserved_bytes(list);
  return bytes;
}

}  // namespace

std::uint32_t card_context_max_workers() {
  const std::optional<std::int32_t> limit = env_leading_int32("HALVORY_CARDCTX_MAX_WORKERS");
  if (limit && *limit > 0) return static_cast<std::uint32_t>(*limit);
  return hardware_threads();
}

std::uint64_t hash_range(const Range& range) {
  std::uint64_t seed = kPocketCount;
  for (float w : range.weights) hash_combine(seed, fnv1a_u64(std::bit_cast<std::uint32_t>(w)));
  return seed;
}

CardContext::CardContext(const Board& board_in, const Range& oop_range, const Range& ip_range,
                         bool short_deck_in, CancelFlag cancel, std::size_t threads)
    : board(board_in),
      ranges{oop_range, ip_range},
      short_deck(short_deck_in ? 1 : 0),
      deck_mask(deck_mask_of(short_deck_in)) {
  validate_board();
  throw_if_cancelled(cancel);
  compute_board_state();
  compute_key();
  if (const std::shared_ptr<const CachedArtifacts> cached = find_cached_artifacts(key)) {
    copy_from_artifacts(*cached);
    return;
  }
  // Below two threads, both seats and every runout are built on this thread.
  threads = std::clamp<std::size_t>(threads, 1, card_context_max_workers());
  WorkerPool pool(threads - 1);
  rebuild_private(&pool, threads);
  build_cross_maps();
  compute_matchup_weight();
  build_runout_tables(*this, cancel, &pool, threads);
  throw_if_cancelled(cancel);  // the runout table may be incomplete
  build_filter_tables(*this, cancel);
  throw_if_cancelled(cancel);
  compute_reach();
  const CardCode turn = board[3];
  const CardCode river = board[4];
  suit_isomorphism = build_suit_isomorphism(ranges, pockets, board, deck_mask, turn, river);
  throw_if_cancelled(cancel);
  // Only a complete context is published; any failure above never reaches here.
  publish_artifacts(key, make_artifacts());
}

void CardContext::validate_board() const {
  const auto check_in_deck = [this](CardCode c, RefusalCode code, const char* not_in_deck) {
    check_card_code(c);
    if (!(deck_mask & card_bit(c))) refuse(code, not_in_deck);
  };
  for (int i = 0; i < 3; ++i) {
    const CardCode c = board[i];
    if (c == kNoCard) refuse(RefusalCode::flop_undefined, "Flop cards must be defined");
    check_in_deck(c, RefusalCode::flop_deck,
                  "Flop contains a card not in the selected deck variant");
  }
  if (board[0] == board[1] || board[0] == board[2] || board[1] == board[2])
    refuse(RefusalCode::flop_unique, "Flop cards must be unique");
  const CardCode turn = board[3];
  if (turn != kNoCard) {
    check_in_deck(turn, RefusalCode::turn_deck, "Turn card not in the selected deck variant");
    if (turn == board[0] || turn == board[1] || turn == board[2])
      refuse(RefusalCode::turn_conflict, "Turn conflicts with flop");
  }
  const CardCode river = board[4];
  if (river != kNoCard) {
    check_in_deck(river, RefusalCode::river_deck, "River card not in the selected deck variant");
    if (river == board[0] || river == board[1] || river == board[2] || river == turn)
      refuse(RefusalCode::river_conflict, "River conflicts with existing cards");
    if (turn == kNoCard)
      refuse(RefusalCode::river_without_turn, "River cannot be dealt without a turn");
  }
}

void CardContext::compute_board_state() {
  board_mask = 0;
  board_cards.clear();
  for (CardCode c : board) {
    if (c == kNoCard) continue;
    board_mask |= card_bit(c);
    board_cards.push_back(c);
  }
  street = board[4] != kNoCard ? kStreetRiver : board[3] != kNoCard ? kStreetTurn : kStreetFlop;
}

void CardContext::compute_key() {
  std::uint64_t seed = 0;
  for (CardCode c : board) hash_combine(seed, fnv1a_u64(c));
  hash_combine(seed, fnv1a_u64(2));
  hash_combine(seed, fnv1a_u64(short_deck));
  hash_combine(seed, fnv1a_u64(deck_mask));
  hash_combine(seed, fnv1a_u64(hash_range(ranges[0])));
  hash_combine(seed, fnv1a_u64(hash_range(ranges[1])));
  key = seed;
}

std::shared_ptr<const CardContext::CachedArtifacts> CardContext::find_cached_artifacts(
    std::uint64_t key) {
  std::lock_guard lock(g_cache.mutex);
  const auto it = g_cache.entries.find(key);
  if (it == g_cache.entries.end()) return nullptr;
  std::shared_ptr<const CachedArtifacts> artifacts = it->second.lock();
  if (!artifacts) g_cache.entries.erase(it);
  return artifacts;
}

void CardContext::publish_artifacts(std::uint64_t key,
                                    const std::shared_ptr<const CachedArtifacts>& artifacts) {
  std::lock_guard lock(g_cache.mutex);
  g_cache.entries[key] = artifacts;
}

void CardContext::copy_from_artifacts(const CachedArtifacts& a) {
  static_cast<CardContextTables&>(*this) = a;
}

std::shared_ptr<const CardContext::CachedArtifacts> CardContext::make_artifacts() const {
  return std::make_shared<CachedArtifacts>(static_cast<const CardContextTables&>(*this));
}

void CardContext::build_pockets(int seat) {
  std::vector<Pocket>& list = pockets[seat];
  std::vector<float>& w = weights[seat];
  list.clear();
  w.clear();
  list.reserve(kPocketCount);
  w.reserve(kPocketCount);
  const std::uint64_t live = deck_mask & ~board_mask;
  for (int i = 0; i < kPocketCount; ++i) {
    const float weight = ranges[seat].weights[i];
    if (!(weight > 0.0f)) continue;
    const auto [a, b] = pocket_cards(i);
    if (!(live & card_bit(a)) || !(live & card_bit(b))) continue;
    list.push_back(static_cast<Pocket>(a | (b << 8)));
    w.push_back(weight);
  }
  if (list.empty()) {
    refuse(RefusalCode::range_empty_on_board, "Player range empty after filtering board cards",
           {std::to_string(seat)});
  }
}

void CardContext::rebuild_private(WorkerPool* pool, std::size_t threads) {
  // Each seat's task writes only its own lists.
  parallel_for(pool, threads, 2, [this](std::size_t begin, std::size_t end) {
    for (std::size_t seat = begin; seat < end; ++seat) build_pockets(static_cast<int>(seat));
  });
}

void CardContext::compute_matchup_weight() {
  // Pairs sharing no card: all pairs, minus those touching either card,
  // plus the identical hand that was subtracted twice.
  double total1 = 0.0;
  std::array<double, 52> card_mass1{};
  for (std::size_t j = 0; j < pockets[1].size(); ++j) {
    const double w = weights[1][j];
    total1 += w;
    card_mass1[low_card(pockets[1][j])] += w;
    card_mass1[high_card(pockets[1][j])] += w;
  }
  double sum = 0.0;
  for (std::size_t i = 0; i < pockets[0].size(); ++i) {
    const Pocket p = pockets[0][i];
    const std::uint16_t k = cross[0][i];
    const double same = k == kNoHand ? 0.0 : static_cast<double>(weights[1][k]);
    const double m = total1 - card_mass1[low_card(p)] - card_mass1[high_card(p)] + same;
    sum += static_cast<double>(weights[0][i]) * m;
  }
  matchup_weight = sum;
}

void CardContext::build_cross_maps() {
  for (int seat = 0; seat < 2; ++seat) {
    const int other = 1 - seat;
    const auto other_position = position_table(pockets[other]);
    HandList& map = cross[seat];
    map.assign(pockets[seat].size(), kNoHand);
    for (std::size_t i = 0; i < pockets[seat].size(); ++i) {
      const Pocket p = pockets[seat][i];
      map[i] = other_position[pocket_index(low_card(p), high_card(p))];
    }
  }
}

void CardContext::compute_reach() {
  std::array<double, 2> total{};
  std::array<std::array<double, 52>, 2> card_mass{};
  for (int s = 0; s < 2; ++s) {
    for (std::size_t i = 0; i < pockets[s].size(); ++i) {
      const double w = weights[s][i];
      if (!(w > 0.0)) continue;
      total[s] += w;
      card_mass[s][low_card(pockets[s][i])] += w;
      card_mass[s][high_card(pockets[s][i])] += w;
    }
  }
  for (int s = 0; s < 2; ++s) {
    const int o = 1 - s;
    const std::size_t n = pockets[s].size();
    reach_raw[s].assign(n, 0.0f);
    reach_norm[s].assign(n, 0.0f);
    double sum = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
      const float w = weights[s][i];
      if (!(w > 0.0f)) continue;
      const std::uint16_t k = cross[s][i];
      const double same = k < weights[o].size() ? static_cast<double>(weights[o][k]) : 0.0;
      const Pocket p = pockets[s][i];
      const double m = same + total[o] - card_mass[o][low_card(p)] - card_mass[o][high_card(p)];
      const float reach = m > 0.0 ? static_cast<float>(m * w) : 0.0f;
      reach_raw[s][i] = reach;
      reach_norm[s][i] = reach;
      sum += reach;
    }
    if (sum > 2.220446049250313e-16) {
      const float scale = static_cast<float>(1.0 / sum);
      for (float& r : reach_norm[s]) r *= scale;
    }
  }
}

const RunoutShowdown& CardContext::runout_entry(CardCode turn, CardCode river) const {
  static const RunoutShowdown empty_entry{};
  // Equal or out-of-deck codes name no runout; never alias another entry.
  if (turn >= kCardCount || river >= kCardCount || turn == river) return empty_entry;
  const std::size_t index = static_cast<std::size_t>(pocket_index(turn, river));
  if (index >= runouts.size()) return empty_entry;
  return runouts[index];
}

std::uint64_t CardContext::memory_bytes() const {
  std::uint64_t bytes = 0;
  for (int s = 0; s < 2; ++s) {
    bytes += 4 * (weights[s].size() + reach_norm[s].size() + reach_raw[s].size());
    bytes += 2 * (pockets[s].size() + cross[s].size());
    bytes += reserved_bytes(all_hands[s]);
  }
  bytes += reserved_bytes(board_cards);
  for (const RunoutShowdown& entry : runouts)
    for (const auto& list : entry) bytes += reserved_bytes(list);
  bytes += blocker_table_bytes(compatible_by_card) + blocker_table_bytes(compatible_by_pair) +
           blocker_table_bytes(blocked_by_card) + blocker_table_bytes(blocked_by_pair);
  bytes += suit_isomorphism_bytes(suit_isomorphism);
  return bytes;
}

}  // namespace halvory
