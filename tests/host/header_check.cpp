// The public header stands on its own: a host compiles it first, with strict warnings.
#include "velk_data.h"

int main() {
  velk_data::IData* (*entry)() = &DllGetData;
  void (*release)() = &DllFreeData;
  return entry && release ? 0 : 1;
}
