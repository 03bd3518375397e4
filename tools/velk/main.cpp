// velk: the command-line host. Loads a planning message from a file (UTF-8, or UTF-16 with a
// byte order mark) through the public interface alone, and prints what the model holds.
//
//   velk FILE          report counts per type, the group tree and the employees
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "velk_data.h"

namespace {

std::string Utf8(const char16_t* text) {
  std::string out;
  for (; text && *text; ++text) {
    uint32_t c = *text;
    if (c >= 0xD800 && c <= 0xDBFF && text[1] >= 0xDC00 && text[1] <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (*++text - 0xDC00);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// UTF-16 with a byte order mark (either order), else UTF-8 (its mark is skipped).
bool ReadMessage(const char* path, std::u16string& text) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (bytes.size() >= 2 &&
      ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF))) {
    const bool little = byte(0) == 0xFF;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
      text += static_cast<char16_t>(little ? (byte(i) | byte(i + 1) << 8)
                                           : (byte(i) << 8 | byte(i + 1)));
    return true;
  }
  size_t i = bytes.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF ? 3 : 0;
  while (i < bytes.size()) {
    uint32_t c = byte(i++);
    int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    c &= more == 3 ? 0x07 : more == 2 ? 0x0F : more == 1 ? 0x1F : 0x7F;
    for (; more > 0 && i < bytes.size(); --more) c = c << 6 | (byte(i++) & 0x3F);
    if (c >= 0x10000) {
      text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      text += static_cast<char16_t>(c);
    }
  }
  return true;
}

template <class Collection>
void Count(const char* name, Collection* collection) {
  if (collection) std::printf("  %-20s %u\n", name, collection->GetCount());
}

void PrintGroups(velk_data::IData* data) {
  velk_data::IGroups* groups = data->GetGroups();
  if (!groups || !groups->GetRootGroup()) return;
  std::printf("\nGroup tree:\n");
  velk_data::IGroupIterator* it = groups->GetRootGroup()->CreateIterator(nullptr);
  for (velk_data::IGroup* group = it->GetCurrent(); group; group = it->Next()) {
    std::printf("  %*s%s", static_cast<int>(2 * it->GetDepth()), "",
                Utf8(group->GetName()).c_str());
    const uint32_t members = group->CountAllEmployees();
    if (members) std::printf(" (%u employees)", members);
    std::printf("\n");
  }
  it->Release();
}

void PrintEmployees(velk_data::IData* data) {
  velk_data::IEmployees* employees = data->GetEmployees();
  if (!employees || employees->GetCount() == 0) return;
  std::printf("\nEmployees:\n");
  for (uint32_t i = 0; i < employees->GetCount(); ++i) {
    velk_data::IEmployee* employee = employees->GetAt(i);
    std::printf("  %4d  %s %s\n", employee->GetId(), Utf8(employee->GetFirstname()).c_str(),
                Utf8(employee->GetLastname()).c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: velk FILE\n");
    return 2;
  }
  std::u16string message;
  if (!ReadMessage(argv[1], message)) {
    std::fprintf(stderr, "velk: cannot read %s\n", argv[1]);
    return 2;
  }
  velk_data::IData* data = DllGetData();
  data->SetMetaDataCallback([](void*, const char16_t*, const char16_t*) { return true; }, nullptr);
  data->SetLoadedCallback([](void*) {}, nullptr);
  if (!data->Load(message.c_str(), false, nullptr, nullptr)) {
    std::fprintf(stderr, "velk: error %d: %s\n", data->GetErrorCode(),
                 Utf8(data->GetErrorText()).c_str());
    DllFreeData();
    return 1;
  }
  std::printf("Loaded %s\n", argv[1]);
  Count("holidays", data->GetHolidays());
  Count("workplaces", data->GetWorkplaces());
  Count("surcharge types", data->GetSurchargeTypes());
  Count("shift types", data->GetShiftTypes());
  Count("leave types", data->GetLeaveTypes());
  Count("working time models", data->GetWorkingTimeModels());
  Count("shift cycles", data->GetShiftCycles());
  Count("groups", data->GetGroups());
  Count("employees", data->GetEmployees());
  PrintGroups(data);
  PrintEmployees(data);
  DllFreeData();
  return 0;
}
