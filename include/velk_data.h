// velk_data: the data module of a staff shift-planning application.
//
// This is the one header a host includes. The host loads the library, asks DllGetData for
// the single root object (velk_data::IData), hands it JSON messages with Load and Update, and
// queries the model through the interfaces of namespace velk_data. DllFreeData destroys the
// root object and everything it owns. The module is used by one thread at a time.
//
// Ownership: collections own their items; items a host receives as new (CreateItem, schedule
// items, transaction logs, iterators) belong to the host, which releases them. Text is UTF-16
// (char16_t; a Windows host may pass wchar_t text by pointer cast). Dates are day numbers.
//
// Interfaces are called by position: the order of their virtual functions is the binary
// contract with hosts built by the same compiler family. Never reorder, insert or remove.
#ifndef VELK_DATA_H_
#define VELK_DATA_H_

#include "velk_data/absences.h"
#include "velk_data/access.h"
#include "velk_data/bookings.h"
#include "velk_data/callbacks.h"
#include "velk_data/data.h"
#include "velk_data/employees.h"
#include "velk_data/fwd.h"
#include "velk_data/groups.h"
#include "velk_data/holidays.h"
#include "velk_data/items.h"
#include "velk_data/leave_types.h"
#include "velk_data/periods.h"
#include "velk_data/planned_shifts.h"
#include "velk_data/requirements.h"
#include "velk_data/schedule_item.h"
#include "velk_data/shift_cycles.h"
#include "velk_data/shift_types.h"
#include "velk_data/user_settings.h"
#include "velk_data/users.h"
#include "velk_data/working_time_models.h"
#include "velk_data/workplaces.h"

// Marks the two entry points, the only symbols the library exports. The library itself is
// built with VELK_DATA_BUILD defined (on Windows this selects dllexport over dllimport).
#ifndef VELK_DATA_API
#if defined(_WIN32)
#if defined(VELK_DATA_BUILD)
#define VELK_DATA_API __declspec(dllexport)
#else
#define VELK_DATA_API __declspec(dllimport)
#endif
#else
#define VELK_DATA_API __attribute__((visibility("default")))
#endif
#endif

extern "C" {

// The root object of the process: created by the first call, the same pointer afterwards.
VELK_DATA_API velk_data::IData* DllGetData();

// Destroys the root object and everything it owns; a second call does nothing. A later
// DllGetData creates a fresh root object.
VELK_DATA_API void DllFreeData();

}  // extern "C"

#endif  // VELK_DATA_H_
