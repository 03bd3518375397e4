// Employees: the people who are planned. Besides their master data each employee keeps the
// signed-in user's permission on him and a cache of his groups (every group a membership names,
// their ancestors and the root), rebuilt lazily after each message.
//
// An employee holds one collection of each of his record types (memberships, absences, shifts,
// ...), made when first used; a getter answers null only for a type the model does not hold.
#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "data/type_codes.h"
#include "items/item.h"
#include "items/master_items.h"
#include "master/employee_statistics.h"
#include "records/record_holder.h"
#include "velk_data/employees.h"

class CEmployees;

class CEmployee : public CItem<CEmployee, velk_data::IEmployee, velk_data::IEmployees>,
                  public CRecordHolder<CEmployee, kMembership, kIndividualWorkingTime> {
 public:
  static constexpr const char16_t* kTypeName = u"employee";
  static constexpr bool kListedByPosition = true;
  using Collection = CEmployees;
  static constexpr uint32_t kCustomFields = 8;

  using CItem::CItem;
  ~CEmployee() override;

  void ClearLinks() override {
    m_groupCache.clear();
    m_statistics.reset();
  }

  velk_data::IMemberships* GetMemberships() const override {
    return Interface<velk_data::IMemberships>(kMembership);
  }
  velk_data::IAbsences* GetAbsences() const override {
    return Interface<velk_data::IAbsences>(kAbsence);
  }
  velk_data::ILeaveEntitlements* GetLeaveEntitlements() const override {
    return Interface<velk_data::ILeaveEntitlements>(kLeaveEntitlement);
  }
  velk_data::IShiftTypeRestrictions* GetShiftTypeRestrictions() const override {
    return Interface<velk_data::IShiftTypeRestrictions>(kShiftTypeRestriction);
  }
  velk_data::IFixedShifts* GetFixedShifts() const override {
    return Interface<velk_data::IFixedShifts>(kFixedShift);
  }
  velk_data::IModifiedShifts* GetModifiedShifts() const override {
    return Interface<velk_data::IModifiedShifts>(kModifiedShift);
  }
  velk_data::IShiftCycleAssignments* GetShiftCycleAssignments() const override {
    return Interface<velk_data::IShiftCycleAssignments>(kShiftCycleAssignment);
  }
  velk_data::ICustomShifts* GetCustomShifts() const override {
    return Interface<velk_data::ICustomShifts>(kCustomShift);
  }
  velk_data::INotes* GetNotes() const override { return Interface<velk_data::INotes>(kNote); }
  velk_data::IBookings* GetBookings() const override {
    return Interface<velk_data::IBookings>(kBooking);
  }
  velk_data::IEmploymentPeriods* GetEmploymentPeriods() const override {
    return Interface<velk_data::IEmploymentPeriods>(kEmploymentPeriod);
  }
  velk_data::IOvertimes* GetOvertimes() const override {
    return Interface<velk_data::IOvertimes>(kOvertime);
  }
  velk_data::IIndividualWorkingTimes* GetIndividualWorkingTimes() const override {
    return Interface<velk_data::IIndividualWorkingTimes>(kIndividualWorkingTime);
  }

  int32_t GetPosition() const override { return m_position; }
  void SetPosition(int32_t position) override { m_position = position; }
  int32_t GetSex() const override { return m_sex; }
  void SetSex(int32_t sex) override { m_sex = sex; }
  uint32_t GetBirthday() const override { return m_birthday; }
  void SetBirthday(uint32_t date) override { m_birthday = date; }
  const char16_t* GetFirstname() const override { return m_texts[kFirstname].c_str(); }
  void SetFirstname(const char16_t* text) override { SetText(kFirstname, text); }
  const char16_t* GetLastname() const override { return m_texts[kLastname].c_str(); }
  void SetLastname(const char16_t* text) override { SetText(kLastname, text); }
  const char16_t* GetAlias() const override { return m_texts[kAlias].c_str(); }
  void SetAlias(const char16_t* text) override { SetText(kAlias, text); }
  const char16_t* GetPersonnelNumber() const override { return m_texts[kPersonnelNumber].c_str(); }
  void SetPersonnelNumber(const char16_t* text) override { SetText(kPersonnelNumber, text); }
  const char16_t* GetStreet() const override { return m_texts[kStreet].c_str(); }
  void SetStreet(const char16_t* text) override { SetText(kStreet, text); }
  const char16_t* GetZip() const override { return m_texts[kZip].c_str(); }
  void SetZip(const char16_t* text) override { SetText(kZip, text); }
  const char16_t* GetTown() const override { return m_texts[kTown].c_str(); }
  void SetTown(const char16_t* text) override { SetText(kTown, text); }
  const char16_t* GetPhone0() const override { return m_texts[kPhone0].c_str(); }
  void SetPhone0(const char16_t* text) override { SetText(kPhone0, text); }
  const char16_t* GetPhone1() const override { return m_texts[kPhone1].c_str(); }
  void SetPhone1(const char16_t* text) override { SetText(kPhone1, text); }
  const char16_t* GetSalutation() const override { return m_texts[kSalutation].c_str(); }
  void SetSalutation(const char16_t* text) override { SetText(kSalutation, text); }
  const char16_t* GetFunction() const override { return m_texts[kFunction].c_str(); }
  void SetFunction(const char16_t* text) override { SetText(kFunction, text); }
  const char16_t* GetEmail() const override { return m_texts[kEmail].c_str(); }
  void SetEmail(const char16_t* text) override { SetText(kEmail, text); }
  const char16_t* GetCustomFieldName(uint32_t index) const override {
    return index < kCustomFields ? m_customNames[index].c_str() : u"";
  }
  void SetCustomFieldName(uint32_t index, const char16_t* text) override {
    if (index < kCustomFields) m_customNames[index] = text ? text : u"";
  }
  const char16_t* GetCustomFieldValue(uint32_t index) const override {
    return index < kCustomFields ? m_customValues[index].c_str() : u"";
  }
  void SetCustomFieldValue(uint32_t index, const char16_t* text) override {
    if (index < kCustomFields) m_customValues[index] = text ? text : u"";
  }
  const char16_t* GetNote() const override { return m_note.c_str(); }
  void SetNote(const char16_t* text) override { m_note = text ? text : u""; }
  uint32_t GetNameTextColor() const override { return m_nameFg; }
  void SetNameTextColor(uint32_t color) override { m_nameFg = color; }
  uint32_t GetNameBackColor() const override { return m_nameBk; }
  void SetNameBackColor(uint32_t color) override { m_nameBk = color; }
  uint32_t GetScheduleTextColor() const override { return m_scheduleFg; }
  void SetScheduleTextColor(uint32_t color) override { m_scheduleFg = color; }
  uint32_t GetScheduleBackColor() const override { return m_scheduleBk; }
  void SetScheduleBackColor(uint32_t color) override { m_scheduleBk = color; }
  bool IsBoldText() const override { return m_boldText; }
  void SetBoldText(bool bold) override { m_boldText = bold; }

  // The special periods (leave bans) of all his groups that overlap [from, to], each once, in
  // no particular order. His groups do not depend on the dates.
  uint32_t CountSpecialPeriods(uint32_t from, uint32_t to) const override {
    return GetSpecialPeriods(nullptr, from, to);
  }
  uint32_t GetSpecialPeriods(velk_data::ISpecialPeriod** out, uint32_t from,
                             uint32_t to) const override;
  bool IsLeaveBanned(uint32_t day, int32_t filter) const override;
  uint32_t CountLeaveBans(uint32_t from, uint32_t to) const override {
    return GetLeaveBans(nullptr, from, to);
  }
  uint32_t GetLeaveBans(velk_data::ILeaveBan** out, uint32_t from, uint32_t to) const override;

  // Statistics: cached sums over the employed days (employee_statistics.cpp); schedule
  // queries read the records as they are (employee_schedule.cpp).
  double GetActualHours(uint32_t from, uint32_t to, int32_t planType, double* worked,
                        double* absent) const override {
    return Statistics().ActualHours(from, to, planType, worked, absent);
  }
  double GetTargetHours(uint32_t from, uint32_t to) const override {
    return Statistics().TargetHours(from, to);
  }
  uint32_t GetWorkdayCount(int32_t weekday, uint32_t from, uint32_t to,
                           int32_t planType) const override {
    return Statistics().WorkdayCount(weekday, from, to, planType);
  }
  uint32_t GetCustomShiftCount(uint32_t from, uint32_t to, int32_t planType) const override {
    return Statistics().CustomShiftCount(from, to, planType);
  }
  uint32_t GetShiftTypeCount(velk_data::IShiftType* type, uint32_t from, uint32_t to,
                             int32_t planType) const override {
    return Statistics().ShiftTypeCount(type, from, to, planType);
  }
  double GetAbsenceHours(velk_data::ILeaveType* type, uint32_t from, uint32_t to,
                         int32_t planType) const override {
    return Statistics().AbsenceHours(type, from, to, planType);
  }
  double GetAbsenceDays(velk_data::ILeaveType* type, uint32_t from, uint32_t to,
                        int32_t planType) const override {
    return Statistics().AbsenceDays(type, from, to, planType);
  }
  uint32_t CountWorkDates(uint32_t from, uint32_t to, int32_t planType,
                          bool skipNoSurcharge) const override {
    return GetWorkDates(nullptr, from, to, planType, skipNoSurcharge);
  }
  uint32_t GetWorkDates(uint32_t* out, uint32_t from, uint32_t to, int32_t planType,
                        bool skipNoSurcharge) const override;
  uint32_t CountWorkingIntervals(uint32_t day, int32_t planType,
                                 bool skipNoSurcharge) const override {
    return GetWorkingIntervals(nullptr, nullptr, day, planType, skipNoSurcharge);
  }
  uint32_t GetWorkingIntervals(uint32_t* starts, uint32_t* ends, uint32_t day, int32_t planType,
                               bool skipNoSurcharge) const override;
  uint32_t GetSurchargeMinutes(velk_data::ISurchargeType* type, uint32_t from, uint32_t to,
                               int32_t planType, bool halfHolidayAsWhole) const override {
    return Statistics().SurchargeMinutes(type, from, to, planType, halfHolidayAsWhole);
  }
  uint32_t CountScheduleItems(uint32_t from, uint32_t to, int32_t planType,
                              uint32_t kinds) const override {
    return GetScheduleItems(nullptr, from, to, planType, kinds);
  }
  uint32_t GetScheduleItems(velk_data::IScheduleItem** out, uint32_t from, uint32_t to,
                            int32_t planType, uint32_t kinds) const override;
  double GetOvertimeBalance(uint32_t from, uint32_t to, int32_t planType) const override {
    return Statistics().OvertimeBalance(from, to, planType);
  }
  double GetLeaveEntitlement(velk_data::ILeaveType* type, int32_t year, double* entitlement,
                             double* carried, bool* inDays) const override;
  double ConvertLeave(double value, int32_t year, bool toDays) const override;
  velk_data::ILeaveEntitlement* CarryOverLeave(velk_data::ILeaveType* type, int32_t year,
                                               bool keepUnit, int32_t planType) const override;
  velk_data::ILeaveEntitlement* ExpireCarriedLeave(velk_data::ILeaveType* type, uint32_t day,
                                                   int32_t planType) const override;

  int32_t GetPermission() const override { return m_permission; }
  bool IsEmployedIn(uint32_t from, uint32_t to, bool whole) const override;
  bool IsEmployedOn(uint32_t day) const override { return IsEmployedIn(day, day, false); }
  bool IsOutsideEmployment(uint32_t day) const override;
  int32_t GetWorkdayKind(uint32_t day) const override;

  uint32_t CountGroups() const override { return GetGroups(nullptr); }
  uint32_t GetGroups(velk_data::IGroup** out) const override;
  uint32_t CountMemberGroups() const override { return GetMemberGroups(nullptr); }
  uint32_t GetMemberGroups(velk_data::IGroup** out) const override;
  void Assign(const velk_data::IEmployee* other) override;

  // The hours the working time models in force ask for on the employed days of [from, to]
  // (GetTargetHours adds the target bookings and caches).
  double ModelTargetHours(uint32_t from, uint32_t to) const;

  // Set by the user state of a message and by the collection after each message.
  void SetPermission(int32_t permission) { m_permission = permission; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    static const char16_t* const kTextKeys[kTextCount] = {
        u"firstname", u"lastname", u"alias",   u"personnel_number", u"street",   u"zip",
        u"town",      u"phone_0",  u"phone_1", u"salutation",       u"function", u"email"};
    static const char16_t* const kNameKeys[kCustomFields] = {
        u"custom_field_name_0", u"custom_field_name_1", u"custom_field_name_2",
        u"custom_field_name_3", u"custom_field_name_4", u"custom_field_name_5",
        u"custom_field_name_6", u"custom_field_name_7"};
    static const char16_t* const kValueKeys[kCustomFields] = {
        u"custom_field_value_0", u"custom_field_value_1", u"custom_field_value_2",
        u"custom_field_value_3", u"custom_field_value_4", u"custom_field_value_5",
        u"custom_field_value_6", u"custom_field_value_7"};
    ar.Int(u"position", s.m_position);
    ar.Int(u"sex", s.m_sex);
    // Only "no birthday" goes out as null; one that did not read as a date goes back as the
    // invalid date's text.
    if constexpr (A::kReads)
      ar.NullableDate(u"birthday", s.m_birthday);
    else if (s.m_birthday == 1)
      ar.Null(u"birthday");
    else
      ar.Date(u"birthday", s.m_birthday);
    for (int i = 0; i < kTextCount; ++i) ar.Text(kTextKeys[i], s.m_texts[i]);
    for (uint32_t i = 0; i < kCustomFields; ++i) {
      ar.Text(kNameKeys[i], s.m_customNames[i]);
      ar.Text(kValueKeys[i], s.m_customValues[i]);
    }
    ar.Text(u"note", s.m_note);
    ar.Color(u"color_name_fg", s.m_nameFg);
    ar.Color(u"color_name_bk", s.m_nameBk);
    ar.Color(u"color_schedule_fg", s.m_scheduleFg);
    ar.Color(u"color_schedule_bk", s.m_scheduleBk);
    ar.Bool(u"bold_text", s.m_boldText);
  }

 private:
  // The free texts, in the order of their JSON keys.
  enum Text {
    kFirstname,
    kLastname,
    kAlias,
    kPersonnelNumber,
    kStreet,
    kZip,
    kTown,
    kPhone0,
    kPhone1,
    kSalutation,
    kFunction,
    kEmail,
    kTextCount
  };
  void SetText(Text which, const char16_t* text) { m_texts[which] = text ? text : u""; }

  int32_t m_permission = 1;  // 0 none, 1 read-only, 2 read-and-write
  int32_t m_position = 0;
  int32_t m_sex = 0;
  uint32_t m_birthday = 1;  // no date
  std::u16string m_texts[kTextCount];
  std::u16string m_customNames[kCustomFields];
  std::u16string m_customValues[kCustomFields];
  std::u16string m_note;
  uint32_t m_nameFg = 0x000000;
  uint32_t m_nameBk = 0xFFFFFF;
  uint32_t m_scheduleFg = 0x000000;
  uint32_t m_scheduleBk = 0xFFFFFF;
  bool m_boldText = false;
  CEmployeeStatistics& Statistics() const {
    if (!m_statistics) {
      m_statistics = std::make_unique<CEmployeeStatistics>(this);
      Linked();
    }
    return *m_statistics;
  }
  // Puts him on his collection's list of employees with derived state, once.
  void Linked() const;
  friend class CEmployees;

  // Derived: emptied by ClearLinks, rebuilt by GetGroups.
  mutable std::set<velk_data::IGroup*> m_groupCache;
  // Derived: the statistics' caches, made on the first question after ClearLinks.
  mutable std::unique_ptr<CEmployeeStatistics> m_statistics;
  // His place on the collection's list of employees with derived state; -1 while off it.
  mutable int32_t m_linkIndex = -1;
};

class CEmployees : public CMasterItems<CEmployees, velk_data::IEmployees, CEmployee> {
 public:
  using CMasterItems::CMasterItems;

  uint32_t CountAvailable(velk_data::IEmployee* const* employees, uint32_t count, uint32_t day,
                          int32_t planType) const override;

  ~CEmployees() override { ClearLinks(); }

  // Only the employees a question gave derived state are visited: a message must not cost a
  // walk over every employee of a large organisation for caches that were never made.
  void ClearLinks() override;
  void Clear() override {
    ClearLinks();
    CMasterItems::Clear();
  }
  // The signed-in user's rights decide every permission, except for a restricted user, whose
  // permissions come with the messages ("restricted_access").
  void UpdateDerived(const std::set<std::u16string>& changedTypes) override;
  void BeforeDestroy(CEmployee* employee);

 private:
  friend class CEmployee;
  void Link(CEmployee* employee);
  void Unlink(CEmployee* employee);

  std::vector<CEmployee*> m_linked;
};
