// Helpers of the item tests: parsed JSON objects and the ids of a collection in its order.
#pragma once

#include <memory>
#include <vector>

#include "json/json_parser.h"
#include "json/json_value.h"

struct JsonDeleter {
  void operator()(velk_json::CJSONValue* value) const { value->Destroy(); }
};
using JsonObject = std::unique_ptr<velk_json::CJSONObject, JsonDeleter>;

inline JsonObject ParseObject(const char16_t* text) {
  velk_json::CJSONParser parser(text);
  return JsonObject(static_cast<velk_json::CJSONObject*>(parser.Parse()));
}

// The ids of every item of a collection, in collection order.
template <class Items>
std::vector<int32_t> IdsOf(const Items* items) {
  std::vector<decltype(items->GetAt(0))> all(items->GetCount());
  std::vector<int32_t> ids(items->GetAll(all.data()));
  for (size_t i = 0; i < ids.size(); ++i) ids[i] = all[i]->GetId();
  return ids;
}
