#include "master/group_iterator.h"

#include <algorithm>

#include "json/text_convert.h"
#include "master/group.h"
#include "platform/collation.h"

CGroupIterator::CGroupIterator(CGroup* start, const char16_t* localeName)
    : m_start(start),
      m_current(start),
      m_hasLocale(localeName != nullptr),
      m_locale(velk_json::ToNarrow(localeName, 0)) {}

velk_data::IGroup* CGroupIterator::Reset() {
  m_levels.clear();
  m_current = m_start;
  return m_current;
}

velk_data::IGroup* CGroupIterator::Next() {
  if (!m_current) return nullptr;
  std::vector<velk_data::IGroup*> children = SortedChildren(m_current);
  if (!children.empty()) {
    m_current = children.front();
    m_levels.push_back({std::move(children), 0});
    return m_current;
  }
  while (!m_levels.empty()) {
    Level& level = m_levels.back();
    if (++level.index < level.siblings.size()) return m_current = level.siblings[level.index];
    m_levels.pop_back();
  }
  return m_current = nullptr;
}

std::vector<velk_data::IGroup*> CGroupIterator::SortedChildren(
    const velk_data::IGroup* parent) const {
  std::vector<velk_data::IGroup*> children;
  for (CGroup* group : m_start->Groups()->Items())
    // A start group on a cycle is its own descendant: stop there instead of walking forever.
    if (group->GetParentGroup() == parent && group != m_start) children.push_back(group);
  const char* locale = m_hasLocale ? m_locale.c_str() : nullptr;
  std::stable_sort(children.begin(), children.end(),
                   [locale](const velk_data::IGroup* a, const velk_data::IGroup* b) {
                     if (a->GetPosition() != b->GetPosition())
                       return a->GetPosition() < b->GetPosition();
                     return velk_platform::CompareNoCase(a->GetName(), b->GetName(), locale) < 0;
                   });
  return children;
}
