// Placeholder until the root object lands.
namespace velk_data {
class IData;
}
extern "C" __attribute__((visibility("default"))) velk_data::IData* DllGetData() { return nullptr; }
extern "C" __attribute__((visibility("default"))) void DllFreeData() {}
