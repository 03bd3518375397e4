// Workplaces: named places where shifts are worked. Shifts and shift cycle elements refer to them.
#pragma once

#include <string>

#include "items/item.h"
#include "items/master_items.h"
#include "velk_data/workplaces.h"

class CWorkplaces;

class CWorkplace : public CItem<CWorkplace, velk_data::IWorkplace, velk_data::IWorkplaces> {
 public:
  static constexpr const char16_t* kTypeName = u"workplace";
  static constexpr bool kListedByPosition = true;
  using Collection = CWorkplaces;

  using CItem::CItem;

  int32_t GetPosition() const override { return m_position; }
  void SetPosition(int32_t position) override { m_position = position; }
  const char16_t* GetName() const override { return m_name.c_str(); }
  void SetName(const char16_t* text) override { m_name = text ? text : u""; }
  const char16_t* GetShortName() const override { return m_shortName.c_str(); }
  void SetShortName(const char16_t* text) override { m_shortName = text ? text : u""; }
  bool IsHidden() const override { return m_hidden; }
  void SetHidden(bool hidden) override { m_hidden = hidden; }
  void Assign(const velk_data::IWorkplace* other) override;

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Int(u"position", s.m_position);
    ar.Text(u"name", s.m_name);
    ar.Text(u"short_name", s.m_shortName);
    ar.Bool(u"hidden", s.m_hidden);
  }

 private:
  int32_t m_position = 0;
  std::u16string m_name;
  std::u16string m_shortName;
  bool m_hidden = false;
};

class CWorkplaces : public CMasterItems<CWorkplaces, velk_data::IWorkplaces, CWorkplace> {
 public:
  using CMasterItems::CMasterItems;
  // Shifts and shift cycle elements at this workplace go with it.
  void BeforeDestroy(CWorkplace* workplace);
};
