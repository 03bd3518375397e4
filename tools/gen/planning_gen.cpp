#include "tools/gen/planning_gen.h"

#include <vector>

#include "tools/gen/cycles_gen.h"
#include "tools/gen/random.h"
#include "tools/gen/year_plan.h"

namespace velk_gen {
namespace {

const char16_t* const kFirstNames[] = {u"Anna", u"Ben",       u"Clara",       u"D\u00e9sir\u00e9e",
                                       u"Emil", u"Frida",     u"G\u00fcnter", u"Hanna",
                                       u"Ilse", u"J\u00f6rg", u"Karin",       u"Luis",
                                       u"Mila", u"Noah",      u"\u00d6zlem",  u"Paul"};
const char16_t* const kLastNames[] = {u"M\u00fcller", u"Schmidt",  u"Schneider",    u"Fischer",
                                      u"Weber",       u"Meyer",    u"Wagner",       u"Becker",
                                      u"Schulz",      u"Hoffmann", u"Sch\u00e4fer", u"Koch",
                                      u"Bauer",       u"Richter",  u"Klein",        u"Wolf"};
const char16_t* const kTowns[] = {u"Berlin",  u"K\u00f6ln", u"M\u00fcnchen", u"Hamburg",
                                  u"Leipzig", u"Dresden",   u"Bremen",       u"Kiel"};
const char16_t* const kStreets[] = {u"Hauptstra\u00dfe", u"Bahnhofweg",        u"Am Markt",
                                    u"Lindenallee",      u"Gartenstra\u00dfe", u"Ringweg"};
const char16_t* const kNotes[] = {u"Swap requested",       u"Training day",
                                  u"Call back \"urgent\"", u"Doctor's note\nreceived",
                                  u"Prefers early shifts", u"Badge:\tcollect at desk"};
const char16_t* const kBookings[] = {u"Worked hours", u"Target correction", u"Overtime paid out"};
const char* const kDays[] = {"monday", "tuesday",  "wednesday", "thursday",
                             "friday", "saturday", "sunday",    "holiday"};

template <typename T, size_t N>
const T& Pick(Random& random, const T (&list)[N]) {
  return list[random.Below(N)];
}

// Compact JSON text with comma bookkeeping.
class Emitter {
 public:
  explicit Emitter(std::u16string& text) : m_text(text) {}

  void Open(char16_t bracket) {
    Separate();
    m_text.push_back(bracket);
    m_first.push_back(true);
  }
  void Close(char16_t bracket) {
    m_text.push_back(bracket);
    m_first.pop_back();
  }
  void Key(const char* name, int index = -1) {
    Separate();
    m_text.push_back(u'"');
    for (; *name; ++name) m_text.push_back(static_cast<char16_t>(*name));
    if (index >= 0) m_text.push_back(static_cast<char16_t>(u'0' + index));
    m_text.append(u"\":");
    m_afterKey = true;
  }
  void Int(int64_t value) {
    Separate();
    if (value < 0) m_text.push_back(u'-');
    uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : value;
    char16_t digits[20];
    int n = 0;
    do {
      digits[n++] = static_cast<char16_t>(u'0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude);
    while (n) m_text.push_back(digits[--n]);
  }
  // hundredths: 750 -> 7.5
  void Fixed2(uint32_t hundredths) {
    Int(hundredths / 100);
    if (hundredths % 100) {
      m_text.push_back(u'.');
      m_text.push_back(static_cast<char16_t>(u'0' + hundredths / 10 % 10));
      if (hundredths % 10) m_text.push_back(static_cast<char16_t>(u'0' + hundredths % 10));
    }
  }
  void Bool(bool value) {
    Separate();
    m_text.append(value ? u"true" : u"false");
  }
  void Null() {
    Separate();
    m_text.append(u"null");
  }
  void String(std::u16string_view value) {
    Separate();
    m_text.push_back(u'"');
    for (char16_t c : value) {
      if (c == u'"' || c == u'\\') {
        m_text.push_back(u'\\');
        m_text.push_back(c);
      } else if (c == u'\n') {
        m_text.append(u"\\n");
      } else if (c < 0x20) {
        // Other control characters (a tab in a note) are escaped too: raw, a strict parser
        // rejects the text.
        static const char16_t kHex[] = u"0123456789ABCDEF";
        m_text.append(u"\\u00");
        m_text.push_back(kHex[c >> 4]);
        m_text.push_back(kHex[c & 0xF]);
      } else {
        m_text.push_back(c);
      }
    }
    m_text.push_back(u'"');
  }
  void Date(uint32_t day) { String(DateText(day)); }
  void Time(uint32_t minutes) {
    char16_t text[5] = {Digit(minutes / 600), Digit(minutes / 60 % 10), u':',
                        Digit(minutes % 60 / 10), Digit(minutes % 10)};
    String(std::u16string_view(text, 5));
  }
  void Color(Random& random) {
    static const char16_t kHex[] = u"0123456789ABCDEF";
    char16_t text[6];
    for (char16_t& c : text) c = kHex[random.Below(16)];
    String(std::u16string_view(text, 6));
  }

  // Days since 2024-01-01 as "Y-m-d" (civil-from-days).
  static std::u16string DateText(uint32_t day) {
    int64_t z = 19723 + static_cast<int64_t>(day) + 719468;  // 2024-01-01 is day 19723
    int64_t era = z / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    int64_t d = doy - (153 * mp + 2) / 5 + 1;
    int64_t m = mp < 10 ? mp + 3 : mp - 9;
    int64_t y = yoe + era * 400 + (m <= 2);
    return std::u16string{Digit(y / 1000),
                          Digit(y / 100 % 10),
                          Digit(y / 10 % 10),
                          Digit(y % 10),
                          u'-',
                          Digit(m / 10),
                          Digit(m % 10),
                          u'-',
                          Digit(d / 10),
                          Digit(d % 10)};
  }

 private:
  static char16_t Digit(int64_t d) { return static_cast<char16_t>(u'0' + d); }
  void Separate() {
    if (m_afterKey) {
      m_afterKey = false;
      return;
    }
    if (!m_first.empty()) {
      if (!m_first.back()) m_text.push_back(u',');
      m_first.back() = false;
    }
  }

  std::u16string& m_text;
  std::vector<bool> m_first;
  bool m_afterKey = false;
};

struct Sizes {
  uint32_t employees;
  uint32_t groups;
  uint32_t shiftTypes = 24;
  uint32_t leaveTypes = 12;
  uint32_t workplaces = 16;
  uint32_t surchargeTypes = 6;
  uint32_t userSpecifications = 12;
};

class Generator {
 public:
  // With a sink, text is a buffer handed on after each item that fills it past kPiece.
  Generator(uint32_t seed, uint32_t employees, std::u16string& text, SectionFilter filter,
            const TextSink* sink)
      : m_seed(seed), m_text(text), m_out(text), m_filter(filter), m_sink(sink) {
    m_sizes.employees = employees;
    m_sizes.groups = employees / 25 + 1;
  }

  uint64_t Run(Content content) {
    m_out.Open(u'{');
    Section("user_specification", &Generator::UserSpecifications);
    Section("holiday", &Generator::Holidays);
    Section("working_time_model", &Generator::WorkingTimeModels);
    Section("workplace", &Generator::Workplaces);
    Section("surcharge_type", &Generator::SurchargeTypes);
    Section("shift_type", &Generator::ShiftTypes);
    Section("leave_type", &Generator::LeaveTypes);
    Section("group", &Generator::Groups);
    Section("employee", &Generator::Employees);
    if (content != Content::kMasterData) {
      Section("membership", &Generator::Memberships);
      Section("employment_period", &Generator::EmploymentPeriods);
      Section("individual_working_time", &Generator::IndividualWorkingTimes);
      Section("leave_entitlement", &Generator::LeaveEntitlements);
    }
    if (content == Content::kEverything) {
      Section("absence", &Generator::Absences);
      Section("fixed_shift", &Generator::FixedShifts);
      Section("modified_shift", &Generator::ModifiedShifts);
      Section("custom_shift", &Generator::CustomShifts);
      Section("note", &Generator::Notes);
      Section("booking", &Generator::Bookings);
      Section("overtime", &Generator::Overtimes);
      StaffingSections();
    }
    m_out.Close(u'}');
    return m_items;
  }

 private:
  using Fill = void (Generator::*)(Random&);

  void Section(const char* key, Fill fill) {
    // Each section draws from its own stream, so sizes of one do not shift another.
    Random random(static_cast<uint64_t>(m_seed) << 32 ^ ++m_section * 0x2545F4914F6CDD1DULL);
    if (m_filter && !m_filter(key)) return;
    m_out.Key(key);
    m_out.Open(u'{');
    m_out.Key("cu");
    m_out.Open(u'[');
    (this->*fill)(random);
    m_out.Close(u']');
    m_out.Close(u'}');
  }

  void BeginItem(int64_t id) {
    m_out.Open(u'{');
    m_out.Key("id");
    m_out.Int(id);
    ++m_items;
  }
  void EndItem() {
    m_out.Close(u'}');
    if (m_sink && m_text.size() >= kPiece) {
      (*m_sink)(m_text);
      m_text.clear();
    }
  }

  void UserSpecifications(Random& random) {
    const char16_t* rights[] = {u"full", u"read-only", u"restricted"};
    const char* flags[] = {"create_reports",
                           "open_settings_window",
                           "open_staff_administration_window",
                           "staff_table_minimized",
                           "show_read_only_notes",
                           "create_employees",
                           "update_employee_master_data",
                           "delete_employees",
                           "schedule_custom_shifts",
                           "schedule_overtimes"};
    const char* restrictions[] = {"statistics_restriction",
                                  "employee_master_data_visibility_restriction",
                                  "open_group_window_restriction", "read_only_absences_display"};
    for (uint32_t i = 1; i <= m_sizes.userSpecifications; ++i) {
      BeginItem(i);
      m_out.Key("collaborator_id");
      m_out.Int(100 + i);
      m_out.Key("rights");
      m_out.String(i == 1 ? rights[0] : Pick(random, rights));
      m_out.Key("description");
      m_out.String(i == 1 ? u"Administration" : u"Stationsleitung " + Number(i));
      for (const char* key : flags) {
        m_out.Key(key);
        m_out.Bool(random.Chance(50));
      }
      for (const char* key : restrictions) {
        m_out.Key(key);
        m_out.Int(random.Below(3));
      }
      m_out.Key("categories");
      std::u16string digits;
      for (int category = 0; category < 10; ++category) digits += random.Chance(70) ? u'1' : u'0';
      m_out.String(digits);
      EndItem();
    }
  }

  void Holidays(Random& random) {
    const char16_t* names[] = {u"Neujahr",        u"Karfreitag",       u"Ostermontag",
                               u"Tag der Arbeit", u"Pfingstmontag",    u"Tag der Deutschen Einheit",
                               u"Heiligabend",    u"1. Weihnachtstag", u"2. Weihnachtstag"};
    int64_t id = 0;
    for (uint32_t year = 0; year < 3; ++year) {
      for (uint32_t i = 0; i < 9; ++i) {
        BeginItem(++id);
        m_out.Key("name");
        m_out.String(names[i]);
        m_out.Key("date");
        m_out.Date(year * 365 + i * 40 + random.Below(5));
        m_out.Key("time_of_day");
        m_out.Int(i == 6 ? 2 : 0);
        EndItem();
      }
    }
  }

  void Workplaces(Random& random) {
    for (uint32_t i = 1; i <= m_sizes.workplaces; ++i) {
      BeginItem(i);
      m_out.Key("position");
      m_out.Int(i);
      m_out.Key("name");
      m_out.String(u"Station " + std::u16string(Pick(random, kTowns)));
      m_out.Key("short_name");
      m_out.String(u"S" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)));
      m_out.Key("hidden");
      m_out.Bool(random.Chance(5));
      EndItem();
    }
  }

  void SurchargeTypes(Random& random) {
    const char* weekdays[] = {"on_monday", "on_tuesday",  "on_wednesday", "on_thursday",
                              "on_friday", "on_saturday", "on_sunday"};
    for (uint32_t i = 1; i <= m_sizes.surchargeTypes; ++i) {
      BeginItem(i);
      m_out.Key("position");
      m_out.Int(i);
      m_out.Key("name");
      m_out.String(i % 2 ? u"Nachtzuschlag" : u"Sonntagszuschlag");
      m_out.Key("start_at");
      m_out.Time(random.Below(24) * 60);
      m_out.Key("end_at");
      m_out.Time(random.Below(24) * 60);
      for (const char* day : weekdays) {
        m_out.Key(day);
        m_out.Bool(random.Chance(60));
      }
      m_out.Key("holiday_rule");
      m_out.Int(random.Below(3));
      m_out.Key("date");
      m_out.Null();
      m_out.Key("hidden");
      m_out.Bool(false);
      EndItem();
    }
  }

  void Colors(Random& random, const char* const* keys, size_t count) {
    for (size_t i = 0; i < count; ++i) {
      m_out.Key(keys[i]);
      m_out.Color(random);
    }
  }

  // Position, names, colours and bold text: the display fields shift and leave types share.
  void DisplayFields(Random& random, uint32_t position, const char16_t* name, size_t shortLength,
                     bool someBold) {
    static const char* const kColors[] = {"color_text", "color_bar", "color_bk"};
    m_out.Key("position");
    m_out.Int(position);
    m_out.Key("name");
    m_out.String(name);
    m_out.Key("short_name");
    m_out.String(std::u16string(name).substr(0, shortLength));
    Colors(random, kColors, 3);
    m_out.Key("bold_text");
    m_out.Bool(someBold && random.Chance(20));
  }

  void ShiftTypes(Random& random) {
    const char16_t* names[] = {u"Fr\u00fchdienst", u"Sp\u00e4tdienst", u"Nachtdienst",
                               u"Bereitschaft",    u"Zwischendienst",  u"Teildienst"};
    for (uint32_t i = 1; i <= m_sizes.shiftTypes; ++i) {
      BeginItem(i);
      DisplayFields(random, i, names[i % 6], 2, true);
      // A night shift is one part from 21:00 or later that ends the next morning.
      const bool night = IsNightShiftType(i);
      for (const char* day : kDays) {
        std::string prefix(day);
        uint32_t parts = night ? 1 : 1 + random.Chance(20);
        m_out.Key((prefix + "_part_count").c_str());
        m_out.Int(parts);
        uint32_t start = (night ? 21 : 5 + random.Below(16)) * 60 + random.Below(4) * 15;
        const uint32_t length = night ? 510 : 240;
        for (int part = 0; part < 3; ++part) {
          m_out.Key((prefix + "_start_at_").c_str(), part);
          m_out.Time(part < static_cast<int>(parts) ? start % 1440 : 0);
          m_out.Key((prefix + "_end_at_").c_str(), part);
          m_out.Time(part < static_cast<int>(parts) ? (start + length) % 1440 : 0);
          start += 300;
        }
        m_out.Key((prefix + "_actual_hours").c_str());
        m_out.Fixed2(parts * 400 + random.Below(8) * 25);
      }
      m_out.Key("no_surcharge");
      m_out.Bool(random.Chance(10));
      m_out.Key("category");
      m_out.Int(random.Below(4));
      m_out.Key("hidden");
      m_out.Bool(false);
      EndItem();
    }
  }

  void LeaveTypes(Random& random) {
    const char16_t* names[] = {u"Urlaub",       u"Krank",      u"Fortbildung",
                               u"Sonderurlaub", u"Elternzeit", u"\u00dcberstundenausgleich"};
    for (uint32_t i = 1; i <= m_sizes.leaveTypes; ++i) {
      BeginItem(i);
      DisplayFields(random, i, names[i % 6], 1, false);
      m_out.Key("charge_type");
      m_out.Int(random.Below(3));
      m_out.Key("charge_hours");
      m_out.Fixed2(random.Below(9) * 100);
      m_out.Key("entitled");
      m_out.Bool(i % 6 == 0);
      m_out.Key("default_entitlement_in_days");
      m_out.Int(i % 6 == 0 ? 30 : 0);
      m_out.Key("entitlement_carry_over");
      m_out.Bool(random.Chance(50));
      m_out.Key("count_all");
      m_out.Bool(random.Chance(50));
      m_out.Key("no_absence");
      m_out.Bool(false);
      m_out.Key("deduct_overtime_hours");
      m_out.Bool(i % 6 == 5);
      m_out.Key("category");
      m_out.Int(random.Below(3));
      m_out.Key("hidden");
      m_out.Bool(false);
      m_out.Key("valid_days");
      m_out.String(random.Chance(70) ? u"11111000" : u"11111111");
      EndItem();
    }
  }

  void Groups(Random& random) {
    const char* colors[] = {"color_name_fg", "color_name_bk", "color_schedule_fg",
                            "color_schedule_bk"};
    const char* requirements[] = {"monday_requirement",    "tuesday_requirement",
                                  "wednesday_requirement", "thursday_requirement",
                                  "friday_requirement",    "saturday_requirement",
                                  "sunday_requirement",    "holiday_requirement"};
    for (uint32_t i = 1; i <= m_sizes.groups; ++i) {
      BeginItem(i);
      m_out.Key("position");
      m_out.Int(i);
      m_out.Key("parent_group_id");
      if (i == 1) {
        m_out.Null();
      } else {
        m_out.Int(1 + random.Below(i - 1));  // a tree: parents come first
      }
      m_out.Key("name");
      m_out.String(u"Team " + std::u16string(Pick(random, kTowns)) + u" " +
                   std::u16string(1, static_cast<char16_t>(u'A' + i % 26)));
      m_out.Key("short_name");
      m_out.String(u"T" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)));
      m_out.Key("description");
      m_out.String(random.Chance(30) ? u"Pflege und Betreuung" : u"");
      Colors(random, colors, 4);
      m_out.Key("bold_text");
      m_out.Bool(false);
      for (const char* key : requirements) {
        m_out.Key(key);
        m_out.Int(random.Below(6));
      }
      EndItem();
    }
  }

  // Staffing records: what each group needs per shift type and day, when leave is barred and
  // which periods are special; and what some employees may not work.
  void StaffingSections() {
    Section("shift_requirement", &Generator::ShiftRequirements);
    Section("special_shift_requirement", &Generator::SpecialShiftRequirements);
    Section("special_weekday_requirement", &Generator::SpecialWeekdayRequirements);
    Section("leave_ban", &Generator::LeaveBans);
    Section("special_period", &Generator::SpecialPeriods);
    Section("shift_type_restriction", &Generator::ShiftTypeRestrictions);
  }

  // The k-th of the four shift types a group plans with; distinct for k 0 to 3.
  uint32_t GroupShiftType(uint32_t group, uint32_t k) const {
    return 1 + (group * 5 + k * 7) % m_sizes.shiftTypes;
  }

  void Limits(Random& random, uint32_t minimum) {
    m_out.Key("minimum");
    m_out.Int(minimum);
    m_out.Key("maximum");
    if (random.Chance(30)) {
      m_out.Null();
    } else {
      m_out.Int(minimum + random.Below(3));
    }
  }

  void GroupRecord(int64_t id, uint32_t group) {
    BeginItem(id);
    m_out.Key("group_id");
    m_out.Int(group);
  }

  void Range(uint32_t start, uint32_t end) {
    m_out.Key("start");
    m_out.Date(start);
    m_out.Key("end");
    if (end) {
      m_out.Date(end);
    } else {
      m_out.Null();
    }
  }

  // Every day index of four shift types per group, the holiday (7) included.
  void ShiftRequirements(Random& random) {
    int64_t id = 0;
    for (uint32_t g = 1; g <= m_sizes.groups; ++g) {
      for (uint32_t k = 0; k < 4; ++k) {
        for (uint32_t weekday = 0; weekday < 8; ++weekday) {
          GroupRecord(++id, g);
          m_out.Key("shift_type_id");
          m_out.Int(GroupShiftType(g, k));
          m_out.Key("weekday");
          m_out.Int(weekday);
          Limits(random, weekday >= 5 ? random.Below(2) : 1 + random.Below(3));
          EndItem();
        }
      }
    }
  }

  // A few dates per group with their own numbers (an audit, a training day).
  void SpecialShiftRequirements(Random& random) {
    int64_t id = 0;
    for (uint32_t g = 1; g <= m_sizes.groups; ++g) {
      uint32_t count = random.Below(7);
      for (uint32_t i = 0; i < count; ++i) {
        GroupRecord(++id, g);
        m_out.Key("shift_type_id");
        m_out.Int(GroupShiftType(g, random.Below(4)));
        m_out.Key("date");
        m_out.Date(random.Below(730));
        Limits(random, random.Below(5));
        EndItem();
      }
    }
  }

  // The winter season (1 December to 6 January) of each year for half the groups.
  void SpecialWeekdayRequirements(Random& random) {
    int64_t id = 0;
    for (uint32_t g = 1; g <= m_sizes.groups; ++g) {
      if (!random.Chance(50)) continue;
      for (uint32_t year = 0; year < 2; ++year) {
        GroupRecord(++id, g);
        m_out.Key("description");
        m_out.String(u"Wintersaison");
        Range(year * 365 + 335, year * 365 + 371);
        for (uint32_t day = 0; day < 8; ++day) {
          m_out.Key((std::string(kDays[day]) + "_requirement").c_str());
          m_out.Int(day < 5 ? 3 + random.Below(4) : 1 + random.Below(3));
        }
        EndItem();
      }
    }
  }

  // One or two busy weeks a year per group; filter 0 bars every kind of leave.
  void LeaveBans(Random& random) {
    int64_t id = 0;
    for (uint32_t g = 1; g <= m_sizes.groups; ++g) {
      for (uint32_t year = 0; year < 2; ++year) {
        uint32_t count = 1 + random.Chance(50);
        for (uint32_t i = 0; i < count; ++i) {
          GroupRecord(++id, g);
          m_out.Key("filter");
          m_out.Int(random.Chance(60) ? 0 : 1 + random.Below(3));
          m_out.Key("description");
          m_out.String(random.Chance(50) ? u"Inventur" : u"Urlaubssperre");
          uint32_t start = year * 365 + random.Below(52) * 7;
          Range(start, start + 6);
          EndItem();
        }
      }
    }
  }

  // The summer school holidays on the root group, a project period on some others; a few
  // without an end.
  void SpecialPeriods(Random& random) {
    int64_t id = 0;
    for (uint32_t year = 0; year < 2; ++year) {
      GroupRecord(++id, 1);
      m_out.Key("name");
      m_out.String(u"Sommerferien");
      Range(year * 365 + 180, year * 365 + 222);
      m_out.Key("color");
      m_out.Color(random);
      EndItem();
    }
    for (uint32_t g = 2; g <= m_sizes.groups; ++g) {
      if (!random.Chance(30)) continue;
      GroupRecord(++id, g);
      m_out.Key("name");
      m_out.String(u"Umbau Station " + Number(g));
      uint32_t start = random.Below(700);
      Range(start, random.Chance(10) ? 0 : start + 7 + random.Below(60));
      m_out.Key("color");
      m_out.Color(random);
      EndItem();
    }
  }

  // One employee in five may not work some shift types on some day indexes; kind 2 keeps
  // the shift type out of his shift cycles.
  void ShiftTypeRestrictions(Random& random) {
    int64_t id = 0;
    for (uint32_t e = 1; e <= m_sizes.employees; ++e) {
      if (!random.Chance(20)) continue;
      uint32_t count = 1 + random.Below(3);
      for (uint32_t i = 0; i < count; ++i) {
        BeginItem(++id);
        m_out.Key("employee_id");
        m_out.Int(e);
        m_out.Key("shift_type_id");
        m_out.Int(1 + random.Below(m_sizes.shiftTypes));
        m_out.Key("weekday");
        m_out.Int(random.Below(8));
        m_out.Key("restriction");
        m_out.Int(random.Chance(50) ? 2 : 1);
        EndItem();
      }
    }
  }

  void Employees(Random& random) {
    const char* texts[] = {"alias",   "personnel_number", "street",     "zip",      "town",
                           "phone_0", "phone_1",          "salutation", "function", "email"};
    const char* colors[] = {"color_name_fg", "color_name_bk", "color_schedule_fg",
                            "color_schedule_bk"};
    for (uint32_t i = 1; i <= m_sizes.employees; ++i) {
      BeginItem(i);
      m_out.Key("position");
      m_out.Int(i);
      m_out.Key("sex");
      m_out.Int(random.Below(3));
      m_out.Key("birthday");
      if (random.Chance(10)) {
        m_out.Null();
      } else {
        m_out.String(BirthdayText(random));
      }
      std::u16string first = Pick(random, kFirstNames);
      std::u16string last = Pick(random, kLastNames);
      m_out.Key("firstname");
      m_out.String(first);
      m_out.Key("lastname");
      m_out.String(last);
      for (const char* key : texts) {
        m_out.Key(key);
        std::string k(key);
        if (k == "street") {
          m_out.String(std::u16string(Pick(random, kStreets)) + u" " +
                       Number(1 + random.Below(99)));
        } else if (k == "town") {
          m_out.String(Pick(random, kTowns));
        } else if (k == "zip") {
          m_out.String(Number(10000 + random.Below(89999)));
        } else if (k == "personnel_number") {
          m_out.String(u"P-" + Number(100000 + i));
        } else if (k == "phone_0") {
          m_out.String(u"+49 30 " + Number(1000000 + random.Below(8999999)));
        } else if (k == "email") {
          m_out.String(first.substr(0, 1) + u"." + last + u"@klinik.example");
        } else if (k == "function") {
          m_out.String(random.Chance(50) ? u"Pflegefachkraft" : u"Stationsleitung");
        } else {
          m_out.String(u"");
        }
      }
      for (int index = 0; index < 8; ++index) {
        m_out.Key("custom_field_name_", index);
        m_out.String(index < 2 ? (index ? u"Qualifikation" : u"Schl\u00fcssel") : u"");
        m_out.Key("custom_field_value_", index);
        m_out.String(index < 2 && random.Chance(50) ? Number(random.Below(1000)) : u"");
      }
      m_out.Key("note");
      m_out.String(random.Chance(10) ? Pick(random, kNotes) : u"");
      Colors(random, colors, 4);
      m_out.Key("bold_text");
      m_out.Bool(random.Chance(5));
      EndItem();
    }
  }

  // What one employee's history looks like; every section that needs it draws the same.
  // Days count from 2024-01-01; 2025 (days 366 to 730) is the year the data is about.
  struct History {
    uint32_t periods = 1;
    uint32_t start[2] = {};  // 0: employed since before the data begins (written null)
    uint32_t end[2] = {};    // 0: open
    uint32_t team = 0, secondTeam = 0;
    uint32_t transfer = 0;    // the day the employee moves to secondTeam, or 0
    uint32_t secondFrom = 0;  // the day a second membership at a part rate starts, or 0
    uint32_t model = 0, nextModel = 0, modelChange = 0;
  };

  History HistoryOf(uint32_t e) const {
    Random random(static_cast<uint64_t>(m_seed) * 0x9E3779B97F4A7C15ULL ^
                  e * 0xD6E8FEB86659FD93ULL);
    History h;
    const uint32_t kind = random.Below(100);
    if (kind < 55) {  // long-standing staff
      h.start[0] = random.Chance(40) ? 0 : random.Below(300);
    } else if (kind < 67) {  // joiners during the year
      h.start[0] = 366 + random.Below(330);
    } else if (kind < 77) {  // leavers during the year
      h.start[0] = random.Chance(50) ? 0 : random.Below(200);
      h.end[0] = 366 + random.Below(360);
    } else if (kind < 85) {  // left and came back
      h.periods = 2;
      h.start[0] = random.Below(100);
      h.end[0] = 200 + random.Below(150);
      h.start[1] = h.end[0] + 30 + random.Below(200);
    } else if (kind < 92) {  // a fixed-term contract extended without a gap
      h.periods = 2;
      h.start[0] = random.Below(200);
      h.end[0] = 365;
      h.start[1] = 366;
    } else {  // a fixed-term contract inside the year
      h.start[0] = 366 + random.Below(100);
      h.end[0] = h.start[0] + 90 + random.Below(180);
    }
    const uint32_t teams = m_sizes.groups > 1 ? m_sizes.groups - 1 : 1;
    h.team = 2 + (e - 1) % teams;
    h.secondTeam = 2 + (e - 1 + 1 + random.Below(teams)) % teams;
    if (random.Chance(15))
      h.transfer = 366 + random.Below(330);
    else if (random.Chance(12))
      h.secondFrom = 366 + random.Below(200);
    // Models 1 to 3 are by weekday (full time and two part times); most staff work by them.
    static const uint32_t kModelShares[] = {50, 15, 10, 8, 7, 5, 5};  // percent per model id
    h.model = PickShare(random, kModelShares);
    if (random.Chance(25)) {
      h.nextModel = PickShare(random, kModelShares);
      h.modelChange = 366 + random.Below(330);
    }
    return h;
  }

  template <size_t N>
  static uint32_t PickShare(Random& random, const uint32_t (&shares)[N]) {
    uint32_t roll = random.Below(100);
    for (uint32_t i = 0; i < N; ++i) {
      if (roll < shares[i]) return i + 1;
      roll -= shares[i];
    }
    return 1;
  }

  void OpenDate(const char* key, uint32_t day) {
    m_out.Key(key);
    if (day == 0)
      m_out.Null();
    else
      m_out.Date(day);
  }

  void BeginRecord(int64_t id, uint32_t employee) {
    BeginItem(id);
    m_out.Key("employee_id");
    m_out.Int(employee);
  }

  void WorkingTimeModels(Random&) {
    struct Model {
      const char16_t* name;
      int basicType;
      uint32_t dailyHundredths;  // the daily hours, and for type 3 Monday to Friday's
      uint32_t periodHours;      // weekly, monthly or total hours by type
    };
    static const Model kModels[] = {
        {u"Vollzeit 40 h", 3, 800, 0},          {u"Teilzeit 30 h", 3, 600, 0},
        {u"Teilzeit 20 h", 3, 400, 0},          {u"Woche 38,5 h", 2, 770, 3850},
        {u"Monat 160 h", 4, 800, 16000},        {u"Tagesdienst 7,7 h", 1, 770, 0},
        {u"Jahresarbeitszeit", 5, 800, 160000}, {u"Ohne Soll", 0, 0, 0}};
    uint32_t id = 0;
    for (const Model& model : kModels) {
      BeginItem(++id);
      m_out.Key("position");
      m_out.Int(id);
      m_out.Key("name");
      m_out.String(model.name);
      m_out.Key("basic_type");
      m_out.Int(model.basicType);
      m_out.Key("daily_hours");
      m_out.Fixed2(model.dailyHundredths);
      m_out.Key(model.basicType == 2   ? "weekly_hours"
                : model.basicType == 4 ? "monthly_hours"
                                       : "total_hours");
      m_out.Fixed2(model.periodHours);
      m_out.Key("workdays");
      m_out.String(u"11111000");
      m_out.Key("subtract_holidays");
      m_out.Bool(true);
      for (uint32_t day = 0; day < 7; ++day) {
        m_out.Key((std::string(kDays[day]) + "_hours").c_str());
        m_out.Fixed2(model.basicType == 3 && day < 5 ? model.dailyHundredths : 0);
      }
      m_out.Key("hidden");
      m_out.Bool(false);
      EndItem();
    }
  }

  // Records of every employee; ids run over the whole section.
  void Memberships(Random& random) {
    int64_t id = 0;
    for (uint32_t e = 1; e <= m_sizes.employees; ++e) {
      const History h = HistoryOf(e);
      auto membership = [&](uint32_t group, uint32_t start, uint32_t end, int rate) {
        BeginRecord(++id, e);
        m_out.Key("group_id");
        m_out.Int(group);
        OpenDate("start", start);
        OpenDate("end", end);
        m_out.Key("rate");
        m_out.Int(rate);
        EndItem();
      };
      const int rate = random.Chance(80) ? 100 : 75;
      if (h.transfer) {
        membership(h.team, h.start[0], h.transfer - 1, rate);
        membership(h.secondTeam, h.transfer, 0, rate);
      } else {
        membership(h.team, h.start[0], 0, rate);
      }
      if (h.secondFrom) membership(h.secondTeam, h.secondFrom, 0, 50);
    }
  }

  void EmploymentPeriods(Random& random) {
    int64_t id = 0;
    for (uint32_t e = 1; e <= m_sizes.employees; ++e) {
      const History h = HistoryOf(e);
      for (uint32_t i = 0; i < h.periods; ++i) {
        BeginRecord(++id, e);
        OpenDate("start", h.start[i]);
        OpenDate("end", h.end[i]);
        m_out.Key("description");
        m_out.String(h.end[i] && random.Chance(60) ? u"Befristet" : u"");
        EndItem();
      }
    }
  }

  void IndividualWorkingTimes(Random&) {
    int64_t id = 0;
    for (uint32_t e = 1; e <= m_sizes.employees; ++e) {
      const History h = HistoryOf(e);
      auto record = [&](uint32_t model, uint32_t date) {
        BeginRecord(++id, e);
        m_out.Key("working_time_model_id");
        m_out.Int(model);
        OpenDate("date", date);
        m_out.Key("description");
        m_out.String(u"");
        EndItem();
      };
      record(h.model, h.start[0]);
      if (h.modelChange) record(h.nextModel, h.modelChange);
    }
  }

  // The entitled leave types (every sixth) for this year and the last.
  void LeaveEntitlements(Random& random) {
    int64_t id = 0;
    for (uint32_t e = 1; e <= m_sizes.employees; ++e) {
      for (uint32_t type = 6; type <= m_sizes.leaveTypes; type += 6) {
        for (int year = 2024; year <= 2025; ++year) {
          if (type > 6 && year == 2024) continue;
          BeginRecord(++id, e);
          m_out.Key("leave_type_id");
          m_out.Int(type);
          m_out.Key("year");
          m_out.Int(year);
          const bool inDays = type == 6;
          m_out.Key("entitlement");
          m_out.Int(inDays ? 26 + random.Below(5) : 8 * random.Below(6));
          m_out.Key("remaining_from_previous_year");
          m_out.Fixed2(year == 2025 ? random.Below(11) * 50 : 0);
          m_out.Key("in_days");
          m_out.Bool(inDays);
          EndItem();
        }
      }
    }
  }

  // Absences and planned shifts of each employee's year (year_plan.h); each section asks for
  // the plan again and writes what is its own.
  EmployeeYear YearOf(uint32_t employee) const {
    return PlanEmployeeYear(m_seed, employee,
                            {m_sizes.shiftTypes, m_sizes.leaveTypes, m_sizes.workplaces});
  }

  void Absences(Random&) {
    int64_t id = 0;
    for (uint32_t e = 1; e <= m_sizes.employees; ++e) {
      for (const PlannedAbsence& absence : YearOf(e).absences) {
        BeginItem(++id);
        m_out.Key("employee_id");
        m_out.Int(e);
        m_out.Key("leave_type_id");
        m_out.Int(absence.leaveType);
        m_out.Key("date");
        m_out.Date(absence.day);
        m_out.Key("time_of_day");
        m_out.Int(absence.timeOfDay);
        if (absence.timeOfDay == 3) {
          m_out.Key("start_at");
          m_out.Time(absence.startAt);
          m_out.Key("end_at");
          m_out.Time(absence.endAt);
        }
        m_out.Key("plan_type");
        m_out.Int(absence.planType);
        EndItem();
      }
    }
  }

  // The shifts of one kind: the members every kind has, then write(shift) adds its own.
  template <typename Write>
  void PlannedShifts(PlannedShift::Kind kind, Write write) {
    int64_t id = 0;
    for (uint32_t e = 1; e <= m_sizes.employees; ++e) {
      for (const PlannedShift& shift : YearOf(e).shifts) {
        if (shift.kind != kind) continue;
        BeginItem(++id);
        m_out.Key("employee_id");
        m_out.Int(e);
        if (kind != PlannedShift::kCustom) {
          m_out.Key("shift_type_id");
          m_out.Int(shift.shiftType);
        }
        m_out.Key("workplace_id");
        if (shift.workplace) {
          m_out.Int(shift.workplace);
        } else {
          m_out.Null();
        }
        m_out.Key("date");
        m_out.Date(shift.day);
        write(shift);
        m_out.Key("plan_type");
        m_out.Int(0);
        EndItem();
      }
    }
  }
  void Parts(const PlannedShift& shift) {
    m_out.Key("part_count");
    m_out.Int(shift.partCount);
    for (uint32_t part = 0; part < shift.partCount; ++part) {
      m_out.Key("start_at_", static_cast<int>(part));
      m_out.Time(shift.startAt[part]);
      m_out.Key("end_at_", static_cast<int>(part));
      m_out.Time(shift.endAt[part] % 1440);
    }
    m_out.Key("actual_hours");
    m_out.Fixed2(shift.hundredths);
  }

  void FixedShifts(Random&) {
    PlannedShifts(PlannedShift::kFixed, [](const PlannedShift&) {});
  }
  void ModifiedShifts(Random&) {
    PlannedShifts(PlannedShift::kModified, [&](const PlannedShift& shift) { Parts(shift); });
  }
  void CustomShifts(Random& random) {
    static const char* const kColors[] = {"color_text", "color_bar", "color_bk"};
    PlannedShifts(PlannedShift::kCustom, [&](const PlannedShift& shift) {
      m_out.Key("name");
      m_out.String(shift.name);
      m_out.Key("short_name");
      m_out.String(std::u16string(shift.name).substr(0, 2));
      Colors(random, kColors, 3);
      m_out.Key("bold_text");
      m_out.Bool(false);
      Parts(shift);
      m_out.Key("no_surcharge");
      m_out.Bool(random.Chance(30));
    });
  }

  void Notes(Random& random) {
    int64_t id = 0;
    for (uint32_t e = 1; e <= m_sizes.employees; ++e) {
      uint32_t count = random.Below(3);
      for (uint32_t i = 0; i < count; ++i) {
        BeginItem(++id);
        m_out.Key("employee_id");
        m_out.Int(e);
        m_out.Key("date");
        m_out.Date(random.Below(730));
        m_out.Key("text");
        m_out.String(Pick(random, kNotes));
        EndItem();
      }
    }
  }

  // A few corrections a year on account 0 (worked hours), 1 (target hours) and 2 (overtime),
  // in whole hours, some of them negative.
  void Bookings(Random& random) {
    int64_t id = 0;
    for (uint32_t e = 1; e <= m_sizes.employees; ++e) {
      for (uint32_t i = 0, count = random.Below(4); i < count; ++i) {
        const uint32_t account = random.Below(3);
        BeginItem(++id);
        m_out.Key("employee_id");
        m_out.Int(e);
        m_out.Key("date");
        m_out.Date(kPlanYearStart + random.Below(kPlanYearDays));
        m_out.Key("value");
        const int64_t hours = 1 + random.Below(8);
        m_out.Int(random.Chance(5) ? -hours : hours);
        m_out.Key("account");
        m_out.Int(account);
        m_out.Key("description");
        m_out.String(kBookings[account]);
        EndItem();
      }
    }
  }

  // The overtime of each month, on its last day.
  void Overtimes(Random& random) {
    static const uint32_t kMonthEnds[] = {30, 58, 89, 119, 150, 180, 211, 242, 272, 303, 333, 364};
    int64_t id = 0;
    for (uint32_t e = 1; e <= m_sizes.employees; ++e) {
      for (uint32_t end : kMonthEnds) {
        BeginItem(++id);
        m_out.Key("employee_id");
        m_out.Int(e);
        m_out.Key("date");
        m_out.Date(kPlanYearStart + end);
        m_out.Key("value");
        m_out.Fixed2(random.Below(1200));
        EndItem();
      }
    }
  }

  static std::u16string Number(uint32_t value) {
    std::u16string text;
    do {
      text.insert(text.begin(), static_cast<char16_t>(u'0' + value % 10));
      value /= 10;
    } while (value);
    return text;
  }

  // 1950 to 2004: days before 2024-01-01 are out of DateText's range, so build the text.
  static std::u16string BirthdayText(Random& random) {
    uint32_t year = 1950 + random.Below(55);
    uint32_t month = 1 + random.Below(12);
    uint32_t day = 1 + random.Below(28);
    std::u16string text = Number(year) + u"-";
    if (month < 10) text += u'0';
    text += Number(month) + u"-";
    if (day < 10) text += u'0';
    return text + Number(day);
  }

  static constexpr size_t kPiece = size_t{1} << 19;

  uint32_t m_seed;
  std::u16string& m_text;
  Emitter m_out;
  SectionFilter m_filter;
  const TextSink* m_sink;
  Sizes m_sizes;
  uint32_t m_section = 0;
  uint64_t m_items = 0;
};

}  // namespace

namespace {

// The message into text, or through text as a buffer into sink. The shift cycle sections are
// added to the tail the buffer still holds: the closing brace of the message is in it.
uint64_t Generate(std::u16string& text, const TextSink* sink, uint32_t seed, uint32_t employees,
                  Content content, SectionFilter filter) {
  uint64_t items = Generator(seed, employees, text, filter, sink).Run(content);
  if (content == Content::kEverything) {
    const Sizes sizes{};
    items += AppendShiftCycles(text, seed, {employees, sizes.shiftTypes, sizes.workplaces});
  }
  if (sink) (*sink)(text);
  return items;
}

}  // namespace

std::u16string GeneratePlanningMessage(uint32_t seed, uint32_t employees, MessageStats* stats,
                                       Content content, SectionFilter filter) {
  std::u16string text;
  text.reserve(static_cast<size_t>(employees) * (content == Content::kEverything ? 30000 : 1300) +
               65536);
  const uint64_t items = Generate(text, nullptr, seed, employees, content, filter);
  if (stats) stats->items = items;
  return text;
}

uint64_t WritePlanningMessage(const TextSink& sink, uint32_t seed, uint32_t employees,
                              Content content, SectionFilter filter) {
  std::u16string buffer;
  return Generate(buffer, &sink, seed, employees, content, filter);
}

std::u16string GeneratedDate(uint32_t day) { return Emitter::DateText(day); }

std::string ToUtf8(const std::u16string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | c >> 6));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | c >> 12));
      out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | c >> 18));
      out.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

}  // namespace velk_gen
