// Forward declarations of every host interface, so that headers can name one another's
// interfaces without include cycles. Every interface lives in namespace velk_data.
#ifndef VELK_DATA_FWD_H_
#define VELK_DATA_FWD_H_

namespace velk_data {

class IData;
class ITransactionLog;
class IItem;

class IEmployee;
class IEmployees;
class IGroup;
class IGroups;
class IGroupIterator;
class IShiftType;
class IShiftTypes;
class ILeaveType;
class ILeaveTypes;
class IWorkingTimeModel;
class IWorkingTimeModels;
class IWorkplace;
class IWorkplaces;
class ISurchargeType;
class ISurchargeTypes;
class IShiftCycle;
class IShiftCycles;
class IShiftCycleElement;
class IShiftCycleElements;
class IShiftCycleAssignment;
class IShiftCycleAssignments;
class IShiftCycleException;
class IShiftCycleExceptions;
class IHoliday;
class IHolidays;

class IAbsence;
class IAbsences;
class IFixedShift;
class IFixedShifts;
class IModifiedShift;
class IModifiedShifts;
class ICustomShift;
class ICustomShifts;
class IBooking;
class IBookings;
class IOvertime;
class IOvertimes;
class INote;
class INotes;
class IEmploymentPeriod;
class IEmploymentPeriods;
class IMembership;
class IMemberships;
class IIndividualWorkingTime;
class IIndividualWorkingTimes;
class ILeaveEntitlement;
class ILeaveEntitlements;
class IShiftRequirement;
class IShiftRequirements;
class ISpecialShiftRequirement;
class ISpecialShiftRequirements;
class IShiftTypeRestriction;
class IShiftTypeRestrictions;
class ILeaveBan;
class ILeaveBans;
class ISpecialPeriod;
class ISpecialPeriods;
class ISpecialWeekdayRequirement;
class ISpecialWeekdayRequirements;
class IScheduleItem;

class IUserSpecification;
class IUserSpecifications;
class IUserSetting;
class IUserSettings;
class IEmployeeAccess;
class IEmployeeAccesses;
class IGroupAccess;
class IGroupAccesses;

}  // namespace velk_data

#endif  // VELK_DATA_FWD_H_
