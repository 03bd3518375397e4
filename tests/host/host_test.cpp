// Loads the library as a host does and drives a load-query-update cycle through velk_data.h.
// On Windows the host loads Data.dll with LoadLibraryW; elsewhere the library with dlopen.
#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif
#include <gtest/gtest.h>

#include <string>

#include "velk_data.h"

namespace {

#ifdef _WIN32
#define VELK_WIDEN(text) L##text
#define VELK_WIDE(text) VELK_WIDEN(text)
using Library = HMODULE;
Library Open() { return LoadLibraryW(VELK_WIDE(VELK_LIBRARY)); }
std::string OpenError() { return "LoadLibraryW failed: " + std::to_string(GetLastError()); }
template <class Function>
Function Find(Library library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}
void Close(Library library) { FreeLibrary(library); }
#else
using Library = void*;
// Kept mapped after dlclose: ICU, loaded with the library, keeps its collation data for the
// life of the process, and unloading ICU would strand that data as a leak.
Library Open() { return dlopen(VELK_LIBRARY, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE); }
std::string OpenError() { return dlerror(); }
template <class Function>
Function Find(Library library, const char* name) {
  return reinterpret_cast<Function>(dlsym(library, name));
}
void Close(Library library) { dlclose(library); }
#endif

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library = Open();
    ASSERT_NE(library, nullptr) << OpenError();
    getData = Find<velk_data::IData* (*)()>(library, "DllGetData");
    freeData = Find<void (*)()>(library, "DllFreeData");
    ASSERT_NE(getData, nullptr);
    ASSERT_NE(freeData, nullptr);
  }
  void TearDown() override {
    if (freeData) freeData();
    if (library) Close(library);
  }

  // The root object with both callbacks a Load or Update needs.
  velk_data::IData* Ready() {
    velk_data::IData* data = getData();
    data->SetMetaDataCallback([](void*, const char16_t*, const char16_t*) { return true; },
                              nullptr);
    data->SetLoadedCallback([](void*) {}, nullptr);
    return data;
  }

  Library library = nullptr;
  velk_data::IData* (*getData)() = nullptr;
  void (*freeData)() = nullptr;
};

std::u16string Text(const char16_t* text) { return text ? text : u"<null>"; }

TEST_F(HostTest, OneRootObjectUntilFreed) {
  velk_data::IData* data = getData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(getData(), data);
  ASSERT_TRUE(data->Load(uR"({"holiday": {"cu": [{"id": 1, "date": "2026-12-25"}]}})", true,
                         nullptr, nullptr));
  freeData();
  freeData();  // a second call does nothing
  velk_data::IData* fresh = getData();
  ASSERT_NE(fresh, nullptr);
  EXPECT_FALSE(fresh->IsLoaded());
  EXPECT_EQ(fresh->GetHolidays()->GetCount(), 0u);
  EXPECT_EQ(Text(fresh->GetPermissionName(5)), u"none");
}

TEST_F(HostTest, ClearOfANeverLoadedObjectCallsNoListener) {
  int calls = 0;
  velk_data::IData* data = getData();
  data->AddChangeListener([](void* context, uint32_t) { ++*static_cast<int*>(context); }, &calls);
  data->Clear();
  EXPECT_EQ(calls, 0);
}

TEST_F(HostTest, LoadQueryUpdateCycle) {
  velk_data::IData* data = getData();
  bool (*accept)(void*, const char16_t*, const char16_t*) = [](void*, const char16_t*,
                                                               const char16_t*) { return true; };
  data->SetMetaDataCallback(accept, nullptr);
  data->SetLoadedCallback([](void*) {}, nullptr);
  ASSERT_TRUE(
      data->Load(uR"({"workplace": {"cu": [{"id": 4, "name": "Ward A", "position": 2}]},
                              "timestamps": {"at": "2026-12-05"}})",
                 true, nullptr, nullptr))
      << std::string(data->GetErrorText(), data->GetErrorText() + 0);
  velk_data::IWorkplace* workplace = data->GetWorkplaces()->FindById(4);
  ASSERT_NE(workplace, nullptr);
  EXPECT_EQ(Text(workplace->GetName()), u"Ward A");
  EXPECT_EQ(Text(workplace->GetJSON(1)), uR"({"id": 4,"position": 2})");

  velk_data::ITransactionLog* log =
      data->Update(uR"({"workplace": {"cu": [{"id": 4, "name": "Ward B", "user_request": 1}]}})",
                   false, nullptr, nullptr);
  ASSERT_NE(log, nullptr);
  EXPECT_EQ(log->GetUpdatedTypeCount(), 1u);
  char16_t name[10];
  EXPECT_EQ(log->GetUpdatedTypeName(0, name, 9), -1);  // no room for the zero
  EXPECT_EQ(log->GetUpdatedTypeName(0, name, 10), 9);
  EXPECT_EQ(Text(name), u"workplace");
  log->Release();
  EXPECT_EQ(Text(workplace->GetName()), u"Ward B");

  EXPECT_EQ(data->Update(u"{\"workplace\": 3}", true, nullptr, nullptr), nullptr);
  EXPECT_EQ(data->GetErrorCode(), 3001);
  EXPECT_EQ(Text(data->GetErrorText()), u"Invalid JSON string.");
}

// The error text crosses the library as narrow text in the system code page and comes back;
// letters of the Western code pages survive the trip.
TEST_F(HostTest, ErrorTextKeepsItsLetters) {
  velk_data::IData* data = Ready();
  EXPECT_EQ(data->Update(u"{\"Sch\u00fclerin_\u00e9t\u00e9\": {}}", true, nullptr, nullptr),
            nullptr);
  EXPECT_EQ(data->GetErrorCode(), 3003);
  EXPECT_EQ(Text(data->GetErrorText()),
            u"Unknown JSON data type key: Sch\u00fclerin_\u00e9t\u00e9");
}

// Siblings of equal position are ordered by name as a person reads them: an umlaut beside its
// base letter, and names that differ only in letter case in the order they came.
TEST_F(HostTest, SiblingsSortByNameIgnoringCase) {
  velk_data::IData* data = Ready();
  ASSERT_TRUE(
      data->Load(uR"({"group": {"cu": [{"id": 1, "name": "Ward"},
      {"id": 2, "parent_group_id": 1, "name": "zeta"}, {"id": 3, "parent_group_id": 1, "name": "Beta"},
      {"id": 4, "parent_group_id": 1, "name": "\u00c4rzte"},
      {"id": 5, "parent_group_id": 1, "name": "alpha"}, {"id": 6, "parent_group_id": 1, "name": "beta"}]}})",
                 true, nullptr, nullptr));
  for (const char16_t* locale : {u"de-DE", u"en-US", static_cast<const char16_t*>(nullptr)}) {
    velk_data::IGroupIterator* it = data->GetGroups()->FindById(1)->CreateIterator(locale);
    std::u16string names;
    for (velk_data::IGroup* group = it->Next(); group; group = it->Next())
      names += Text(group->GetName()) + u";";
    it->Release();
    EXPECT_EQ(names, u"alpha;\u00c4rzte;Beta;beta;zeta;") << (locale ? "named locale" : "default");
  }
}

}  // namespace
