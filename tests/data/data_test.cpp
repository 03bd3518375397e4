// The root object's own state: listeners, loaded/busy/error flags, changed types.
#include <gtest/gtest.h>

#include <vector>

#include "model_fixture.h"

namespace {

struct Recorder {
  std::vector<uint32_t> flags;
  static void Listen(void* context, uint32_t flags) {
    static_cast<Recorder*>(context)->flags.push_back(flags);
  }
};

constexpr const char16_t* kHolidays =
    uR"({"holiday": {"cu": [{"id": 1, "date": "2026-12-25", "name": "Christmas"}]}})";

class RootTest : public ModelTest {
 protected:
  void SetUp() override { data.AddChangeListener(&Recorder::Listen, &recorder); }
  Recorder recorder;
};

TEST_F(RootTest, ClearNotifiesOnlyLoadedData) {
  data.Clear();
  EXPECT_TRUE(recorder.flags.empty());

  Load(kHolidays);
  EXPECT_TRUE(data.IsLoaded());
  EXPECT_FALSE(data.IsBusy());
  data.Clear();
  EXPECT_EQ(recorder.flags, (std::vector<uint32_t>{0, 2}));
  EXPECT_FALSE(data.IsLoaded());
  EXPECT_TRUE(data.WasTypeChanged(u"employee"));  // a clear covers every type
  EXPECT_EQ(data.GetHolidays()->GetCount(), 0u);
}

TEST_F(RootTest, UpdateNamesOnlyTheTypesOfItsMessage) {
  Load(kHolidays);
  EXPECT_TRUE(data.WasTypeChanged(u"anything"));
  ASSERT_NE(Update(uR"({"workplace": {"cu": [{"id": 3, "name": "Ward A"}]}, "debug_info": {}})"),
            nullptr)
      << Error();
  EXPECT_EQ(recorder.flags.back(), 1u);
  EXPECT_TRUE(data.WasTypeChanged(u"workplace"));
  EXPECT_TRUE(data.WasTypeChanged(u"debug_info"));
  EXPECT_FALSE(data.WasTypeChanged(u"holiday"));
  EXPECT_FALSE(data.WasTypeChanged(u"Workplace"));
  EXPECT_FALSE(data.WasTypeChanged(nullptr));
}

TEST_F(RootTest, FailedLoadLeavesAnEmptyModelAndItsError) {
  Load(kHolidays);
  EXPECT_FALSE(data.Load(u"{\"holiday\": {\"cu\": [{\"id\": 2}]}, \"nonsense\": {}}", true, nullptr,
                         nullptr));
  EXPECT_FALSE(data.IsLoaded());
  EXPECT_FALSE(data.IsBusy());
  EXPECT_EQ(data.GetHolidays()->GetCount(), 0u);
  EXPECT_EQ(data.GetErrorCode(), 3003);
  EXPECT_EQ(Narrow(data.GetErrorText()), "Unknown JSON data type key: nonsense");
  // A success keeps the last failure's error.
  Load(kHolidays);
  EXPECT_EQ(data.GetErrorCode(), 3003);
}

TEST_F(RootTest, AListenerAddedWhileNotifyingHearsTheNextChange) {
  struct Adder {
    velk_data::IData* data;
    Recorder* late;
    static void Listen(void* context, uint32_t) {
      auto* self = static_cast<Adder*>(context);
      for (int i = 0; i < 20; ++i) self->data->AddChangeListener(&Recorder::Listen, self->late);
    }
  };
  Recorder late;
  Adder adder{&data, &late};
  data.AddChangeListener(&Adder::Listen, &adder);
  Load(kHolidays);
  EXPECT_TRUE(late.flags.empty());
  data.Clear();
  EXPECT_EQ(late.flags.size(), 20u);
}

TEST_F(RootTest, EmptyTextIsAcceptedWithoutNotification) {
  Load(u"");
  EXPECT_TRUE(recorder.flags.empty());
  EXPECT_FALSE(data.IsLoaded());
  EXPECT_FALSE(data.IsBusy());
  EXPECT_EQ(data.GetCurrentCollaboratorId(), -1);
}

TEST_F(RootTest, PermissionNamesShareOneBuffer) {
  const char16_t* first = data.GetPermissionName(1);
  EXPECT_EQ(Narrow(first), "read-only");
  EXPECT_EQ(Narrow(data.GetPermissionName(2)), "read-and-write");
  EXPECT_EQ(Narrow(first), "read-and-write");  // overwritten by the next call
  EXPECT_EQ(Narrow(data.GetPermissionName(0)), "none");
  EXPECT_EQ(Narrow(data.GetPermissionName(-7)), "none");
}

TEST_F(RootTest, HolidayTestFollowsTheCalendar) {
  Load(kHolidays);
  const uint32_t christmas = data.GetHolidays()->GetAt(0)->GetDate();
  EXPECT_TRUE(data.IsHoliday(christmas));
  EXPECT_FALSE(data.IsHoliday(christmas + 1));
}

}  // namespace
