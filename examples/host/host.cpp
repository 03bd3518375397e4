// A host in twenty lines: load a message, query the model, free it (README.md quotes this).
#include <cstdio>

#include "velk_data.h"  // the one public header: every interface, namespace velk_data

const char16_t kMessage[] =
    uR"({
  "workplace": {"cu": [{"id": 1, "name": "Ward 3A", "position": 1}]},
  "holiday": {"cu": [{"id": 1, "date": "2026-12-25", "name": "Christmas Day"}]}})";

int main() {
  velk_data::IData* data = DllGetData();  // the single root object of the process
  data->SetMetaDataCallback([](void*, const char16_t*, const char16_t*) { return true; }, nullptr);
  data->SetLoadedCallback([](void*) {}, nullptr);
  if (!data->Load(kMessage, /*inOrder=*/false, nullptr, nullptr)) {
    std::printf("error %d\n", data->GetErrorCode());  // GetErrorText() says why
    return 1;
  }
  velk_data::IWorkplace* ward = data->GetWorkplaces()->FindById(1);
  std::printf("%u workplace(s), first at position %d\n", data->GetWorkplaces()->GetCount(),
              ward->GetPosition());
  std::printf("25 Dec 2026 is a holiday: %d\n", data->IsHoliday(2461400));  // a day number

  DllFreeData();  // destroys everything
}
