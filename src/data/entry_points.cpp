// The library's two exported functions: one root object per process.
#include "data/data.h"
#include "velk_data.h"

namespace {
CData* g_data = nullptr;
}

extern "C" VELK_DATA_API velk_data::IData* DllGetData() {
  if (!g_data) g_data = new CData();
  return g_data;
}

extern "C" VELK_DATA_API void DllFreeData() {
  delete g_data;
  g_data = nullptr;
}
