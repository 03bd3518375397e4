// CGroupIterator: a pre-order walk of the subtree below a start group, the start group first.
// Siblings come by position, then by name compared case-insensitively in the iterator's locale.
// Children are found by scanning the collection at each step, so the walk holds no copy of the
// tree: it stays valid as long as no group is added, removed or re-linked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "velk_data/groups.h"

class CGroup;

class CGroupIterator final : public velk_data::IGroupIterator {
 public:
  // localeName is a BCP-47 name; null means the default locale.
  CGroupIterator(CGroup* start, const char16_t* localeName);

  velk_data::IGroup* GetCurrent() const override { return m_current; }
  velk_data::IGroup* Next() override;
  velk_data::IGroup* Reset() override;
  uint32_t GetDepth() const override { return static_cast<uint32_t>(m_levels.size()); }
  void Release() override { delete this; }

 private:
  struct Level {
    std::vector<velk_data::IGroup*> siblings;
    size_t index;
  };
  std::vector<velk_data::IGroup*> SortedChildren(const velk_data::IGroup* parent) const;

  CGroup* m_start;
  velk_data::IGroup* m_current;
  std::vector<Level> m_levels;
  bool m_hasLocale;
  std::string m_locale;
};
