// What the planner shows of shift types, leave types and custom shifts alike: a name and a short
// name, text, bar and background colours, and bold text, with the same keys and defaults for
// all; shift and leave types add the position by which the host lists them. An item class puts
// CDisplayed (or, without a position, CDisplayAttributes) between CItem and itself.
#pragma once

#include <cstdint>
#include <string>

template <class Base>
class CDisplayAttributes : public Base {
 public:
  using Base::Base;

  const char16_t* GetName() const override { return m_name.c_str(); }
  void SetName(const char16_t* text) override { m_name = text ? text : u""; }
  const char16_t* GetShortName() const override { return m_shortName.c_str(); }
  void SetShortName(const char16_t* text) override { m_shortName = text ? text : u""; }
  uint32_t GetTextColor() const override { return m_textColor; }
  void SetTextColor(uint32_t color) override { m_textColor = color; }
  uint32_t GetBarColor() const override { return m_barColor; }
  void SetBarColor(uint32_t color) override { m_barColor = color; }
  uint32_t GetBackgroundColor() const override { return m_backgroundColor; }
  void SetBackgroundColor(uint32_t color) override { m_backgroundColor = color; }
  bool IsBoldText() const override { return m_boldText; }
  void SetBoldText(bool bold) override { m_boldText = bold; }

 protected:
  template <class A, class S>
  static void AttributeFields(A& ar, S& s) {
    ar.Text(u"name", s.m_name);
    ar.Text(u"short_name", s.m_shortName);
    ar.Color(u"color_text", s.m_textColor);
    ar.Color(u"color_bar", s.m_barColor);
    ar.Color(u"color_bk", s.m_backgroundColor);
    ar.Bool(u"bold_text", s.m_boldText);
  }
  template <class Other>
  void AssignAttributes(const Other* other) {
    SetName(other->GetName());
    SetShortName(other->GetShortName());
    SetTextColor(other->GetTextColor());
    SetBarColor(other->GetBarColor());
    SetBackgroundColor(other->GetBackgroundColor());
    SetBoldText(other->IsBoldText());
  }

 private:
  std::u16string m_name;
  std::u16string m_shortName;
  uint32_t m_textColor = 0x000000;
  uint32_t m_backgroundColor = 0xFFFFFF;
  uint32_t m_barColor = 0xFF0000;  // blue: red is the low byte
  bool m_boldText = false;
};

template <class Base>
class CDisplayed : public CDisplayAttributes<Base> {
 public:
  using CDisplayAttributes<Base>::CDisplayAttributes;

  int32_t GetPosition() const override { return m_position; }
  void SetPosition(int32_t position) override { m_position = position; }

 protected:
  template <class A, class S>
  static void DisplayFields(A& ar, S& s) {
    ar.Int(u"position", s.m_position);
    CDisplayAttributes<Base>::AttributeFields(ar, s);
  }
  template <class Other>
  void AssignDisplay(const Other* other) {
    SetPosition(other->GetPosition());
    this->AssignAttributes(other);
  }

 private:
  int32_t m_position = 0;
};
