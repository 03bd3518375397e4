// Loads the library as a host does and drives a load-query-update cycle through velk_data.h.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "velk_data.h"

namespace {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    library = dlopen(VELK_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    getData = reinterpret_cast<velk_data::IData* (*)()>(dlsym(library, "DllGetData"));
    freeData = reinterpret_cast<void (*)()>(dlsym(library, "DllFreeData"));
    ASSERT_NE(getData, nullptr);
    ASSERT_NE(freeData, nullptr);
  }
  void TearDown() override {
    if (freeData) freeData();
    if (library) dlclose(library);
  }

  void* library = nullptr;
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

}  // namespace
