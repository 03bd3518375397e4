// IEmployee, a person who is planned, and IEmployees, the master collection of employees.
//
// Each employee owns thirteen record collections (memberships, absences, shifts, bookings,
// ...); the getters below return them and never return null. Statistics are computed over the
// days on which the employee is employed and cached per employee until the next message
// (or Clear), so a change made through the interfaces shows only after that.
//
// Dates are day numbers; in a range, from 0 means "from the beginning" and to 0 "without end";
// given ends are inclusive. A plan type selects which plan's records count. Counted queries
// come in pairs: CountX equals GetX with a null array; GetX fills an array the caller sized
// from CountX and returns the number of elements. Colours are 0xBBGGRR.
#ifndef VELK_DATA_EMPLOYEES_H_
#define VELK_DATA_EMPLOYEES_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IEmployee : public IItem {
 public:
  virtual IEmployees* GetCollection() const = 0;

  // The owned record collections.
  virtual IMemberships* GetMemberships() const = 0;
  virtual IAbsences* GetAbsences() const = 0;
  virtual ILeaveEntitlements* GetLeaveEntitlements() const = 0;
  virtual IShiftTypeRestrictions* GetShiftTypeRestrictions() const = 0;
  virtual IFixedShifts* GetFixedShifts() const = 0;
  virtual IModifiedShifts* GetModifiedShifts() const = 0;
  virtual IShiftCycleAssignments* GetShiftCycleAssignments() const = 0;
  virtual ICustomShifts* GetCustomShifts() const = 0;
  virtual INotes* GetNotes() const = 0;
  virtual IBookings* GetBookings() const = 0;
  virtual IEmploymentPeriods* GetEmploymentPeriods() const = 0;
  virtual IOvertimes* GetOvertimes() const = 0;
  virtual IIndividualWorkingTimes* GetIndividualWorkingTimes() const = 0;

  // Master data. Text getters point at the stored text; setters copy.
  virtual int32_t GetPosition() const = 0;
  virtual void SetPosition(int32_t position) = 0;
  // A host-defined code, stored as is.
  virtual int32_t GetSex() const = 0;
  virtual void SetSex(int32_t sex) = 0;
  // 1 means no birthday.
  virtual uint32_t GetBirthday() const = 0;
  virtual void SetBirthday(uint32_t date) = 0;
  virtual const char16_t* GetFirstname() const = 0;
  virtual void SetFirstname(const char16_t* text) = 0;
  virtual const char16_t* GetLastname() const = 0;
  virtual void SetLastname(const char16_t* text) = 0;
  virtual const char16_t* GetAlias() const = 0;
  virtual void SetAlias(const char16_t* text) = 0;
  virtual const char16_t* GetPersonnelNumber() const = 0;
  virtual void SetPersonnelNumber(const char16_t* text) = 0;
  virtual const char16_t* GetStreet() const = 0;
  virtual void SetStreet(const char16_t* text) = 0;
  virtual const char16_t* GetZip() const = 0;
  virtual void SetZip(const char16_t* text) = 0;
  virtual const char16_t* GetTown() const = 0;
  virtual void SetTown(const char16_t* text) = 0;
  virtual const char16_t* GetPhone0() const = 0;
  virtual void SetPhone0(const char16_t* text) = 0;
  virtual const char16_t* GetPhone1() const = 0;
  virtual void SetPhone1(const char16_t* text) = 0;
  virtual const char16_t* GetSalutation() const = 0;
  virtual void SetSalutation(const char16_t* text) = 0;
  virtual const char16_t* GetFunction() const = 0;
  virtual void SetFunction(const char16_t* text) = 0;
  virtual const char16_t* GetEmail() const = 0;
  virtual void SetEmail(const char16_t* text) = 0;
  // Eight custom fields, index 0 to 7; a larger index reads as empty text and is not stored.
  virtual const char16_t* GetCustomFieldName(uint32_t index) const = 0;
  virtual void SetCustomFieldName(uint32_t index, const char16_t* text) = 0;
  virtual const char16_t* GetCustomFieldValue(uint32_t index) const = 0;
  virtual void SetCustomFieldValue(uint32_t index, const char16_t* text) = 0;
  virtual const char16_t* GetNote() const = 0;
  virtual void SetNote(const char16_t* text) = 0;
  // Staff list (name) and schedule row colours.
  virtual uint32_t GetNameTextColor() const = 0;
  virtual void SetNameTextColor(uint32_t color) = 0;
  virtual uint32_t GetNameBackColor() const = 0;
  virtual void SetNameBackColor(uint32_t color) = 0;
  virtual uint32_t GetScheduleTextColor() const = 0;
  virtual void SetScheduleTextColor(uint32_t color) = 0;
  virtual uint32_t GetScheduleBackColor() const = 0;
  virtual void SetScheduleBackColor(uint32_t color) = 0;
  virtual bool IsBoldText() const = 0;
  virtual void SetBoldText(bool bold) = 0;

  // Special periods and leave bans of all the employee's groups (every group a membership
  // ever names, their ancestors and the root) in [from, to]; each once, in no set order.
  virtual uint32_t CountSpecialPeriods(uint32_t from, uint32_t to) const = 0;
  virtual uint32_t GetSpecialPeriods(ISpecialPeriod** out, uint32_t from, uint32_t to) const = 0;
  // True when a leave ban of those groups covers day with filter 0 or equal to filter.
  virtual bool IsLeaveBanned(uint32_t day, int32_t filter) const = 0;
  virtual uint32_t CountLeaveBans(uint32_t from, uint32_t to) const = 0;
  virtual uint32_t GetLeaveBans(ILeaveBan** out, uint32_t from, uint32_t to) const = 0;

  // Statistics over [from, to] (cached). Output pointers may be null.
  // Worked plus absence hours plus bookings of account 0; worked and absent get the parts.
  virtual double GetActualHours(uint32_t from, uint32_t to, int32_t planType, double* worked,
                                double* absent) const = 0;
  // Target hours of the working time models in force, plus bookings of account 1.
  virtual double GetTargetHours(uint32_t from, uint32_t to) const = 0;
  // Number of days with a shift on weekday 0 (Monday) to 6; 7 counts worked holidays.
  virtual uint32_t GetWorkdayCount(int32_t weekday, uint32_t from, uint32_t to,
                                   int32_t planType) const = 0;
  virtual uint32_t GetCustomShiftCount(uint32_t from, uint32_t to, int32_t planType) const = 0;
  // Fixed, modified and shift cycle shifts of type.
  virtual uint32_t GetShiftTypeCount(IShiftType* type, uint32_t from, uint32_t to,
                                     int32_t planType) const = 0;
  virtual double GetAbsenceHours(ILeaveType* type, uint32_t from, uint32_t to,
                                 int32_t planType) const = 0;
  // Whole days count 1, half days 0.5.
  virtual double GetAbsenceDays(ILeaveType* type, uint32_t from, uint32_t to,
                                int32_t planType) const = 0;
  // Ascending dates on which the employee works (a shift past midnight also marks the next
  // day); skipNoSurcharge leaves out shifts that earn no surcharge.
  virtual uint32_t CountWorkDates(uint32_t from, uint32_t to, int32_t planType,
                                  bool skipNoSurcharge) const = 0;
  virtual uint32_t GetWorkDates(uint32_t* out, uint32_t from, uint32_t to, int32_t planType,
                                bool skipNoSurcharge) const = 0;
  // The joined working intervals of day in minutes (end 0 means 24:00), including the part
  // after midnight of a shift of the day before.
  virtual uint32_t CountWorkingIntervals(uint32_t day, int32_t planType,
                                         bool skipNoSurcharge) const = 0;
  virtual uint32_t GetWorkingIntervals(uint32_t* starts, uint32_t* ends, uint32_t day,
                                       int32_t planType, bool skipNoSurcharge) const = 0;
  // Minutes worked inside the surcharge type's windows. halfHolidayAsWhole treats a half
  // holiday as a whole one.
  virtual uint32_t GetSurchargeMinutes(ISurchargeType* type, uint32_t from, uint32_t to,
                                       int32_t planType, bool halfHolidayAsWhole) const = 0;
  // New schedule items, one per record; kinds is a mask: 1 fixed shifts, 2 shift cycle days,
  // 4 modified shifts, 8 custom shifts, 16 absences. The caller owns and releases them.
  virtual uint32_t CountScheduleItems(uint32_t from, uint32_t to, int32_t planType,
                                      uint32_t kinds) const = 0;
  virtual uint32_t GetScheduleItems(IScheduleItem** out, uint32_t from, uint32_t to,
                                    int32_t planType, uint32_t kinds) const = 0;
  // Overtimes plus bookings of account 2, minus absences that deduct overtime.
  virtual double GetOvertimeBalance(uint32_t from, uint32_t to, int32_t planType) const = 0;
  // Entitlement plus carried-over leave of type in year; the parts go to the outputs.
  virtual double GetLeaveEntitlement(ILeaveType* type, int32_t year, double* entitlement,
                                     double* carried, bool* inDays) const = 0;
  // Converts hours to days (toDays) or days to hours by the average daily hours of the model
  // valid in the year after year; 0 when there is none.
  virtual double ConvertLeave(double value, int32_t year, bool toDays) const = 0;
  // A new free leave entitlement for year + 1 carrying the rest of year, or null. The caller
  // inserts or releases it; nothing is stored.
  virtual ILeaveEntitlement* CarryOverLeave(ILeaveType* type, int32_t year, bool keepUnit,
                                            int32_t planType) const = 0;
  // A new free copy of the entitlement of day's year whose carried-over leave is cut to what
  // was used up to day, or null when nothing expires.
  virtual ILeaveEntitlement* ExpireCarriedLeave(ILeaveType* type, uint32_t day,
                                                int32_t planType) const = 0;

  // The signed-in user's permission on this employee: 0 none, 1 read-only, 2 read-and-write.
  virtual int32_t GetPermission() const = 0;
  // Employed on some day of [from, to]; with whole, employed on every day of it in one piece.
  virtual bool IsEmployedIn(uint32_t from, uint32_t to, bool whole) const = 0;
  virtual bool IsEmployedOn(uint32_t day) const = 0;
  // No employment at all, or day after the end of the last one.
  virtual bool IsOutsideEmployment(uint32_t day) const = 0;
  // -1 no workday, 0 a whole workday, 1 a workday whose afternoon is a holiday, 2 one whose
  // morning is a holiday.
  virtual int32_t GetWorkdayKind(uint32_t day) const = 0;
  // The employee's groups with their ancestors and the root, in no set order.
  virtual uint32_t CountGroups() const = 0;
  virtual uint32_t GetGroups(IGroup** out) const = 0;
  // The groups named by the memberships themselves, each once.
  virtual uint32_t CountMemberGroups() const = 0;
  virtual uint32_t GetMemberGroups(IGroup** out) const = 0;
  // Copies id and master data; collections and caches are not touched.
  virtual void Assign(const IEmployee* other) = 0;
};

// The employees in load order.
class IEmployees {
 public:
  virtual IData* GetData() = 0;
  // A new free employee with default values; the caller releases it.
  virtual IEmployee* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  // Copies every employee in order to out when not null; returns the count.
  virtual uint32_t GetAll(IEmployee** out) const = 0;
  // Null when index is not below the count.
  virtual IEmployee* GetAt(uint32_t index) const = 0;
  // The first employee with the id, or null.
  virtual IEmployee* FindById(int32_t id) const = 0;
  // How many of the given employees are available on day: those who work that day and have
  // no absence count 1 each; the partly absent add the lowest number of them present at once.
  virtual uint32_t CountAvailable(IEmployee* const* employees, uint32_t count, uint32_t day,
                                  int32_t planType) const = 0;
  virtual ~IEmployees() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_EMPLOYEES_H_
