#include <algorithm>
#include <vector>

#include "context/card_context.hpp"
#include "context/worker_pool.hpp"

namespace halvory {

namespace {

constexpr std::uint64_t card_bit(CardCode c) {
  return std::uint64_t{1} << c;
}

std::vector<std::uint64_t> hand_masks(const std::vector<Pocket>& pockets) {
  std::vector<std::uint64_t> masks(pockets.size());
  for (std::size_t j = 0; j < pockets.size(); ++j)
    masks[j] = card_bit(static_cast<CardCode>(pockets[j] & 0xffu)) |
               card_bit(static_cast<CardCode>(pockets[j] >> 8));
  return masks;
}

std::uint64_t cards_off_flop(const CardContext& context) {
  return context.deck_mask &
         ~(card_bit(context.board[0]) | card_bit(context.board[1]) | card_bit(context.board[2]));
}

// Cards that can still be dealt after the flop: with a dealt turn, only it.
std::uint64_t admissible_cards(const CardContext& context) {
  if (context.board[3] != kNoCard) return card_bit(context.board[3]);
  return cards_off_flop(context);
}

// Splits the seat's hands by whether they touch `dead`, in position order.
void split_hands(const std::vector<std::uint64_t>& masks, std::uint64_t dead,
                 std::vector<std::uint16_t>& scratch_live, std::vector<std::uint16_t>& scratch_dead,
                 HandList& live_out, HandList& dead_out) {
  std::size_t live = 0;
  std::size_t blocked = 0;
  for (std::size_t j = 0; j < masks.size(); ++j) {
    const bool hit = (masks[j] & dead) != 0;
    scratch_live[live] = static_cast<std::uint16_t>(j);
    scratch_dead[blocked] = static_cast<std::uint16_t>(j);
    live += !hit;
    blocked += hit;
  }
  live_out.assign(scratch_live.begin(), scratch_live.begin() + static_cast<std::ptrdiff_t>(live));
  dead_out.assign(scratch_dead.begin(),
                  scratch_dead.begin() + static_cast<std::ptrdiff_t>(blocked));
}

// Stable LSD radix sort of (value << 16 | position) keys by value, ten bits
// a pass. Keys arrive in position order, so equal values keep that order.
void sort_by_value(std::vector<std::uint64_t>& keys, std::vector<std::uint64_t>& scratch) {
  constexpr int kDigitBits = 10;
  constexpr int kPasses = 3;  // values (strength + 1) stay below 2^30
  constexpr std::size_t kBuckets = std::size_t{1} << kDigitBits;
  constexpr std::uint64_t kDigitMask = kBuckets - 1;
  const std::size_t n = keys.size();
  if (n < 2) return;
  scratch.resize(n);
  auto digit = [](std::uint64_t key, int pass) {
    return (key >> (16 + kDigitBits * pass)) & kDigitMask;
  };

  std::array<std::array<std::uint32_t, kBuckets>, kPasses> count{};
  for (std::size_t i = 0; i < n; ++i)
    for (int pass = 0; pass < kPasses; ++pass) ++count[pass][digit(keys[i], pass)];

  std::uint64_t* src = keys.data();
  std::uint64_t* dst = scratch.data();
  for (int pass = 0; pass < kPasses; ++pass) {
    auto& offsets = count[pass];
    if (offsets[digit(src[0], pass)] == n) continue;  // one digit: nothing moves
    std::uint32_t offset = 0;
    for (std::uint32_t& c : offsets) {
      const std::uint32_t here = c;
      c = offset;
      offset += here;
    }
    for (std::size_t i = 0; i < n; ++i) dst[offsets[digit(src[i], pass)]++] = src[i];
    std::swap(src, dst);
  }
  if (src != keys.data()) std::copy(src, src + n, keys.data());
}

}  // namespace

std::vector<std::array<CardCode, 2>> runout_list(const CardContext& context) {
  std::vector<std::array<CardCode, 2>> list;
  const CardCode turn = context.board[3];
  const CardCode river = context.board[4];
  if (turn != kNoCard && river != kNoCard) {
    list.push_back({std::min(turn, river), std::max(turn, river)});
    return list;
  }
  const std::uint64_t free_cards = cards_off_flop(context);
  if (turn != kNoCard) {
    for (int r = 0; r < kCardCount; ++r) {
      const CardCode c = static_cast<CardCode>(r);
      if (c == turn || !(free_cards & card_bit(c))) continue;
      list.push_back({std::min(c, turn), std::max(c, turn)});
    }
    return list;
  }
  list.reserve(1176);
  for (int a = 0; a < kCardCount; ++a) {
    if (!(free_cards & card_bit(static_cast<CardCode>(a)))) continue;
    for (int b = a + 1; b < kCardCount; ++b)
      if (free_cards & card_bit(static_cast<CardCode>(b)))
        list.push_back({static_cast<CardCode>(a), static_cast<CardCode>(b)});
  }
  return list;
}

void evaluate_runouts(const RunoutJob& job, std::size_t first, std::size_t last) {
  CardContext& context = *job.context;
  const auto& list = *job.runout_list;
  const bool short_deck = context.short_deck != 0;
  const CardCode f0 = context.board[0];
  const CardCode f1 = context.board[1];
  const CardCode f2 = context.board[2];
  const std::uint64_t flop = card_bit(f0) | card_bit(f1) | card_bit(f2);
  const std::array<std::vector<std::uint64_t>, 2> masks{hand_masks(context.pockets[0]),
                                                        hand_masks(context.pockets[1])};
  // Strength + 1 in the high bits, position in the low 16: one integer sort
  // orders by strength and breaks ties by position.
  std::vector<std::uint64_t> keys;
  std::vector<std::uint64_t> scratch;
  keys.reserve(std::max(masks[0].size(), masks[1].size()));

  for (std::size_t r = first; r < last; ++r) {
    if (job.stop != nullptr && job.stop->load(std::memory_order_relaxed)) return;
    if (cancel_requested(job.cancel)) return;
    const CardCode a = list[r][0];
    const CardCode b = list[r][1];
    const std::uint64_t dead = flop | card_bit(a) | card_bit(b);
    RunoutShowdown entry;
    for (int seat = 0; seat < 2; ++seat) {
      const std::vector<Pocket>& pockets = context.pockets[seat];
      keys.clear();
      for (std::size_t j = 0; j < pockets.size(); ++j) {
        if (masks[seat][j] & dead) continue;
        const HandStrength strength =
            evaluate_seven(static_cast<CardCode>(pockets[j] & 0xffu),
                           static_cast<CardCode>(pockets[j] >> 8), f0, f1, f2, a, b, short_deck);
        keys.push_back((static_cast<std::uint64_t>(strength + 1u) << 16) | j);
      }
      sort_by_value(keys, scratch);
      std::vector<ShowdownRecord>& records = entry[seat];
      records.reserve(pockets.size() + 2);
      records.push_back(kShowdownLow);
      for (std::uint64_t k : keys) {
        const auto position = static_cast<std::uint16_t>(k & 0xffffu);
        records.push_back({static_cast<std::uint32_t>(k >> 16), position, pockets[position]});
      }
      records.push_back(kShowdownHigh);
    }
    context.runouts[static_cast<std::size_t>(pocket_index(a, b))] = std::move(entry);
  }
}

void build_runout_tables(CardContext& context, CancelFlag cancel, WorkerPool* pool,
                         std::size_t threads) {
  context.runouts.assign(kPocketCount, RunoutShowdown{});
  std::vector<std::array<CardCode, 2>> list = runout_list(context);
  const std::size_t n = list.size();
  const RunoutJob job{&context, &list, nullptr, cancel};
  parallel_for(pool, threads, n,
               [&job](std::size_t begin, std::size_t end) { evaluate_runouts(job, begin, end); });
}

void build_filter_tables(CardContext& context, CancelFlag cancel) {
  const std::array<std::vector<std::uint64_t>, 2> masks{hand_masks(context.pockets[0]),
                                                        hand_masks(context.pockets[1])};
  for (int seat = 0; seat < 2; ++seat) {
    HandList& all = context.all_hands[seat];
    all.resize(masks[seat].size());
    for (std::size_t j = 0; j < all.size(); ++j) all[j] = static_cast<std::uint16_t>(j);
  }
  context.compatible_by_card.assign(kCardCount, SeatHandLists{});
  context.blocked_by_card.assign(kCardCount, SeatHandLists{});
  context.compatible_by_pair.assign(kPocketCount, SeatHandLists{});
  context.blocked_by_pair.assign(kPocketCount, SeatHandLists{});

  const std::size_t most = std::max(masks[0].size(), masks[1].size());
  std::vector<std::uint16_t> scratch_live(most);
  std::vector<std::uint16_t> scratch_dead(most);

  const std::uint64_t cards = admissible_cards(context);
  for (int c = 0; c < kCardCount; ++c) {
    if (!(cards & card_bit(static_cast<CardCode>(c)))) continue;
    for (int seat = 0; seat < 2; ++seat)
      split_hands(masks[seat], card_bit(static_cast<CardCode>(c)), scratch_live, scratch_dead,
                  context.compatible_by_card[c][seat], context.blocked_by_card[c][seat]);
  }
  // The admissible pairs are exactly the runouts of the board.
  for (const auto& [c1, c2] : runout_list(context)) {
    if (cancel_requested(cancel)) return;
    const std::size_t index = static_cast<std::size_t>(pocket_index(c1, c2));
    for (int seat = 0; seat < 2; ++seat)
      split_hands(masks[seat], card_bit(c1) | card_bit(c2), scratch_live, scratch_dead,
                  context.compatible_by_pair[index][seat], context.blocked_by_pair[index][seat]);
  }
}

}  // namespace halvory
