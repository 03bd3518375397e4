// The cache of one kind of statistic of one employee: answers by key, kept in one flat table
// with open addressing. A statistics view asks the same few hundred keys of every employee, so
// the table of an employee stays within a few cache lines instead of a node per answer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// What a cached answer is about: the item (a leave, shift or surcharge type; null for sums over
// all records), the range, the plan type and one more argument of the query.
struct StatKey {
  const void* item;
  uint32_t from, to;
  int32_t planType = 0;
  int32_t extra = 0;
  bool operator==(const StatKey& o) const {
    return item == o.item && from == o.from && to == o.to && planType == o.planType &&
           extra == o.extra;
  }
};

template <class V>
class CStatCache {
 public:
  // The cached answer of key, or null. The pointer holds until the next Put.
  const V* Find(const StatKey& key) const {
    if (m_slots.empty()) return nullptr;
    // A view asks about one range many times in a row: the slot found last is tried first.
    if (m_slots[m_last].key == key) return &m_slots[m_last].value;
    for (size_t i = Hash(key) & Mask();; i = (i + 1) & Mask()) {
      const Slot& slot = m_slots[i];
      if (slot.key.item == Empty()) return nullptr;
      if (slot.key == key) {
        m_last = i;
        return &slot.value;
      }
    }
  }
  // Stores the answer of key unless one is stored; returns the stored one.
  const V& Put(const StatKey& key, const V& value) {
    if ((m_size + 1) * 4 > m_slots.size() * 3) Grow();
    for (size_t i = Hash(key) & Mask();; i = (i + 1) & Mask()) {
      Slot& slot = m_slots[i];
      if (slot.key == key) return slot.value;
      if (slot.key.item == Empty()) {
        slot = {key, value};
        ++m_size;
        return slot.value;
      }
    }
  }

 private:
  // A free slot's key names this address, which no item has.
  static const void* Empty() {
    static const char kFree = 0;
    return &kFree;
  }
  struct Slot {
    StatKey key{Empty(), 0, 0};
    V value{};
  };
  size_t Mask() const { return m_slots.size() - 1; }
  static size_t Hash(const StatKey& k) {
    uint64_t h = reinterpret_cast<uintptr_t>(k.item) * 0x9E3779B97F4A7C15ull;
    h ^= (uint64_t{k.from} << 32 | k.to) * 0xC2B2AE3D27D4EB4Full;
    h ^= (uint64_t{static_cast<uint32_t>(k.planType)} << 32 | static_cast<uint32_t>(k.extra)) *
         0x165667B19E3779F9ull;
    return static_cast<size_t>(h ^ (h >> 32));
  }
  void Grow() {
    std::vector<Slot> old(m_slots.empty() ? 16 : m_slots.size() * 2);
    old.swap(m_slots);
    m_size = 0;
    m_last = 0;
    for (const Slot& slot : old)
      if (slot.key.item != Empty()) Put(slot.key, slot.value);
  }

  std::vector<Slot> m_slots;  // a power of two in size, or empty
  size_t m_size = 0;
  mutable size_t m_last = 0;  // the slot Find found last
};
