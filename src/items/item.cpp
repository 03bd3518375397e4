#include "items/item.h"

#include "json/json_value.h"

CItemBase* CItemsBase::ReadNew(CItemBase* item, const velk_json::CJSONObject& json) {
  try {
    item->FromJSON(json, false);
  } catch (...) {
    delete item;
    throw;
  }
  return item;
}

namespace item_detail {

void ReuseBuffer(std::u16string& buffer) {
  constexpr size_t kFirstCapacity = 4096;  // more than any item but long notes and names
  if (buffer.capacity() < kFirstCapacity) buffer.reserve(kFirstCapacity);
  buffer.clear();
}

const char16_t* PositionForm(std::u16string& buffer, int32_t id, int32_t position) {
  velk_json::CJSONObject json;
  json.AddOwned(u"id", new velk_json::CJSONNumber(id));
  json.AddOwned(u"position", new velk_json::CJSONNumber(position));
  ReuseBuffer(buffer);
  velk_json::AppendText(json, false, buffer);
  return buffer.c_str();
}

}  // namespace item_detail
