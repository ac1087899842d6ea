// The explorer's store of encoded node answers, within its byte budget.

#include <algorithm>
#include <utility>

#include "controller/compact_rows.hpp"

namespace halvory_app {

std::uint64_t NodeRowStore::costOf(const QByteArray& blob) {
  // The bytes, the array's header and the two hash entries that find them.
  constexpr std::uint64_t kEntryOverhead = 96;
  return static_cast<std::uint64_t>(blob.size()) + kEntryOverhead;
}

void NodeRowStore::setBudget(std::optional<std::uint64_t> bytes) {
  limit = bytes;
  evict();
}

const QByteArray* NodeRowStore::find(RowsKind kind, int node) {
  auto& map = blobs[static_cast<std::size_t>(kind)];
  const auto hit = map.constFind(node);
  if (hit == map.cend()) return nullptr;
  const auto place = places.constFind(keyOf(kind, node));
  if (place != places.cend()) order.splice(order.end(), order, *place);
  return &*hit;
}

bool NodeRowStore::contains(RowsKind kind, int node) const {
  return blobs[static_cast<std::size_t>(kind)].contains(node);
}

void NodeRowStore::insert(RowsKind kind, int node, QByteArray blob, RowsOrigin origin) {
  remove(kind, node);
  // Each step that allocates is undone when a later one fails, so that the
  // bytes held, the order and the answers always agree.
  const quint64 key = keyOf(kind, node);
  const auto at = origin == RowsOrigin::ReadAhead ? order.begin() : order.end();
  const auto place = order.insert(at, key);
  try {
    places.insert(key, place);
    try {
      const std::uint64_t cost = costOf(blob);
      blobs[static_cast<std::size_t>(kind)].insert(node, std::move(blob));
      held += cost;
    } catch (...) {
      places.remove(key);
      throw;
    }
  } catch (...) {
    order.erase(place);
    throw;
  }
  evict();
}

void NodeRowStore::remove(RowsKind kind, int node) {
  auto& map = blobs[static_cast<std::size_t>(kind)];
  const auto hit = map.find(node);
  if (hit == map.end()) return;
  held -= costOf(*hit);
  map.erase(hit);
  const auto place = places.find(keyOf(kind, node));
  if (place != places.end()) {
    order.erase(*place);
    places.erase(place);
  }
}

void NodeRowStore::clear() {
  for (auto& map : blobs) map = {};
  order.clear();
  places = {};
  held = 0;
}

void NodeRowStore::swap(NodeRowStore& other) noexcept {
  // A list's swap keeps its iterators valid, so each side's places still
  // point into the order it now holds.
  blobs.swap(other.blobs);
  order.swap(other.order);
  places.swap(other.places);
  std::swap(held, other.held);
  std::swap(limit, other.limit);
}

void NodeRowStore::evict() {
  // The answer read last stays, even when it alone is over the budget.
  while (limit && held > *limit && order.size() > 1) {
    const quint64 key = order.front();
    remove(static_cast<RowsKind>(key >> 32), static_cast<int>(static_cast<quint32>(key)));
  }
}

}  // namespace halvory_app
