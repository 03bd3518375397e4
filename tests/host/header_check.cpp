// The public header stands on its own: a host compiles it first, with strict warnings.
#include "velk_data.h"

#ifdef _WIN32
// A Windows host hands its wchar_t text over by pointer cast (see the README).
static_assert(sizeof(wchar_t) == sizeof(char16_t) && alignof(wchar_t) == alignof(char16_t),
              "wchar_t text must have char16_t's layout");
#endif

int main() {
  velk_data::IData* (*entry)() = &DllGetData;
  void (*release)() = &DllFreeData;
  return entry && release ? 0 : 1;
}
