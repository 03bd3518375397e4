#include "data/intake.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "data/data.h"
#include "data/transaction_log.h"
#include "data/type_codes.h"
#include "items/item_base.h"
#include "items/items_base.h"
#include "items/model_error.h"
#include "json/text_convert.h"
#include "platform/code_page.h"

using velk_json::CJSONArray;
using velk_json::CJSONObject;
using velk_json::CJSONParser;
using velk_json::CJSONValue;
using velk_json::JSONType;

namespace {

struct ValueDeleter {
  void operator()(CJSONValue* value) const { value->Destroy(); }
};
using ValuePtr = std::unique_ptr<CJSONValue, ValueDeleter>;

[[noreturn]] void InvalidJson() { ThrowModelError(u"Invalid JSON string.", kErrorInvalidJson); }

// The next value, which must be of the given kind (3001 otherwise); a container comes back
// empty, standing on its opening bracket.
ValuePtr Expect(CJSONParser& parser, JSONType type) {
  ValuePtr value(parser.ParseValue(nullptr));
  if (value->GetType() != type) InvalidJson();
  return value;
}

std::u16string Decimal(int64_t value) {
  const std::string text = std::to_string(value);
  return std::u16string(text.begin(), text.end());
}

bool IsUserRequest(const CJSONObject& element) { return element.GetInt(u"user_request", 0) == 1; }

// "message\tcode" gives the message and the code; a text without a tab is code 3000 whole.
void SplitError(const std::u16string& text, std::u16string& message, int32_t& code) {
  const size_t tab = text.find(u'\t');
  if (tab == std::u16string::npos) {
    message = text;
    code = kErrorOther;
    return;
  }
  message = text.substr(0, tab);
  code = 0;
  for (size_t i = tab + 1; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
    code = code * 10 + (text[i] - u'0');
}

}  // namespace

bool CDataIntake::Run(const char16_t* json, bool fullLoad, bool inOrder, CTransactionLog* log,
                      velk_data::ProgressCallback progress, void* progressContext) {
  if (!json || !*json) {
    m_data->SetBusy(false);
    return true;
  }
  for (CItemsBase* collection : m_data->Collections()) collection->OnIntakeStart();
  m_itemCount = 0;
  try {
    Message message{CJSONParser(json), fullLoad, log, progress, progressContext, {}};
    if (inOrder)
      ReadInOrder(message);
    else
      ReadSorted(message);
    m_data->CallLoaded();
    for (CItemsBase* collection : m_data->Collections()) collection->ClearLinks();
    for (CItemsBase* collection : m_data->DerivedCollections())
      collection->UpdateDerived(message.types);
    m_data->SetLoaded(true);
    m_data->SetBusy(false);
    m_data->Notify(fullLoad ? 0 : 1, message.types);
    return true;
  } catch (const std::exception& e) {
    std::u16string text;
    int32_t code = kErrorOther;
    SplitError(velk_json::ToWide(e.what(), velk_platform::kSystemCodePage), text, code);
    m_data->SetError(std::move(text), code);
  } catch (...) {
    m_data->SetError(u"Unknown error.", kErrorOther);
  }
  m_data->SetBusy(false);
  return false;
}

void CDataIntake::ReadInOrder(Message& message) {
  CJSONParser& parser = message.parser;
  Expect(parser, JSONType::Object);
  parser.ReadObjectStart();
  std::u16string key;
  for (bool end = false;;) {
    parser.ReadMemberName(key, end);
    if (end) break;
    message.types.insert(key);
    Dispatch(message, key);
  }
}

void CDataIntake::ReadSorted(Message& message) {
  struct Section {
    int32_t code;
    std::u16string key;
    size_t pos;
    uint32_t line;
    uint32_t column;
  };
  CJSONParser& parser = message.parser;
  std::vector<Section> sections;
  parser.ReadObjectStart();
  std::u16string key;
  for (bool end = false;;) {
    parser.ReadMemberName(key, end);
    if (end) break;
    sections.push_back({TypeCodeOf(key), key, parser.m_pos, parser.m_line, parser.m_column});
    // Raises the errors a full read would, so a malformed section fails here as it did before.
    parser.SkipValue();
  }
  std::sort(sections.begin(), sections.end(),
            [](const Section& a, const Section& b) { return a.code < b.code; });
  for (const Section& section : sections) {
    message.types.insert(section.key);
    parser.m_pos = section.pos;
    parser.m_line = section.line;
    parser.m_column = section.column;
    Dispatch(message, section.key);
  }
}

void CDataIntake::Dispatch(Message& message, const std::u16string& key) {
  const int32_t code = TypeCodeOf(key);
  if (code == kRestrictedAccess) return ReadRestrictedAccess(message);
  if (code >= kTimestamps) return ReadMetaData(message, key, code);
  if (!IsItemCode(code) || !m_data->AcceptsType(code))
    ThrowModelError(u"Unknown JSON data type key: " + key, kErrorUnknownKey);
  ReadItems(message, key, code);
}

void CDataIntake::ReadMetaData(Message& message, const std::u16string& key, int32_t code) {
  ValuePtr value = Expect(message.parser, JSONType::Object);
  message.parser.ParseObject(static_cast<CJSONObject&>(*value));
  if (code == kDebugInfo) return;
  if (!m_data->CallMetaData(key.c_str(), value->ToString(false).c_str()))
    ThrowModelError(u"Invalid meta data information - key: " + key, kErrorInvalidId);
}

void CDataIntake::ReadRestrictedAccess(Message& message) {
  CJSONParser& parser = message.parser;
  ValuePtr array = Expect(parser, JSONType::Array);
  parser.ReadArrayStart();
  std::vector<std::pair<int32_t, int32_t>> permissions;  // (employee id, permission)
  while (ValuePtr element{parser.NextElement(static_cast<CJSONArray&>(*array))}) {
    if (element->GetType() != JSONType::Object) InvalidJson();
    auto& entry = static_cast<CJSONObject&>(*element);
    parser.ParseObject(entry);
    const int32_t id = entry.GetInt(u"id", -1);
    const std::u16string text = entry.GetString(u"permissions", u"");
    const int32_t permission = text == u"read-only" ? 1 : text == u"read-and-write" ? 2 : 0;
    if (id < 0 || permission == 0) ThrowModelError(u"Invalid user state data.", kErrorInvalidId);
    permissions.emplace_back(id, permission);
  }
  m_data->ApplyRestrictedAccess(std::move(permissions), !message.fullLoad);
}

void CDataIntake::ReadItems(Message& message, const std::u16string& key, int32_t code) {
  CJSONParser& parser = message.parser;
  Expect(parser, JSONType::Object);
  parser.ReadObjectStart();
  std::u16string action;
  // One element object for the section, cleared for each element: its member storage is reused
  // instead of allocated per item.
  CJSONObject object;
  for (bool end = false;;) {
    parser.ReadMemberName(action, end);
    if (end) break;
    const bool create = action == u"cu";
    if (!create && action != u"d")
      ThrowModelError(u"Unknown JSON info type key: " + action, kErrorUnknownKey);
    ValuePtr array = Expect(parser, JSONType::Array);
    parser.ReadArrayStart();
    for (;;) {
      CJSONValue* element = parser.NextElement(static_cast<CJSONArray&>(*array), object);
      if (!element) break;
      if (element != &object) {
        element->Destroy();
        InvalidJson();
      }
      parser.ParseObject(object);
      if (create)
        CreateOrUpdate(message, key, code, object);
      else
        Delete(message, key, code, object);
      ++m_itemCount;
      if (message.progress && m_itemCount % 1000 == 0)
        message.progress(message.progressContext, m_itemCount, m_itemCount);
    }
  }
}

void CDataIntake::CreateOrUpdate(Message& message, const std::u16string& key, int32_t code,
                                 const CJSONObject& element) {
  CItemsBase* collection = TargetCollection(code, element);
  if (!message.fullLoad) {
    const int32_t id = element.GetInt(u"id", -1);
    if (id < 0) ThrowModelError(u"Item ID missing or invalid in JSON data.", kErrorInvalidId);
    if (CItemBase* item = id > 0 ? collection->FindItem(id) : nullptr) {
      if (message.log && IsUserRequest(element)) message.log->RecordUpdated(key, item->ToJSON());
      item->FromJSON(element, true);
      return;
    }
  }
  CItemBase* created = collection->LoadItem(element);
  if (message.log && IsUserRequest(element))
    message.log->RecordCreated(key, dynamic_cast<const velk_data::IItem*>(created));
}

void CDataIntake::Delete(Message& message, const std::u16string& key, int32_t code,
                         const CJSONObject& element) {
  const int32_t id = element.GetInt(u"id", 0);
  CItemBase* item = m_data->FindForDeletion(code, id);
  if (!item) return;
  item->m_collection->RemoveItem(item);
  if (message.log && IsUserRequest(element)) message.log->RecordDeleted(key, id);
}

CItemsBase* CDataIntake::TargetCollection(int32_t code, const CJSONObject& element) {
  if (IsMasterCode(code)) return m_data->MasterCollection(code);
  const char16_t* ownerKey = code <= kLeaveBan                ? u"group_id"
                             : code <= kIndividualWorkingTime ? u"employee_id"
                             : code == kShiftCycleElement     ? u"shift_cycle_id"
                                                              : u"shift_cycle_assignment_id";
  const int32_t id = element.GetInt(ownerKey, -1);
  if (id < 0)
    ThrowModelError(u"Foreign key ID missing or invalid in JSON string.", kErrorInvalidId);
  CItemsBase* records = m_data->RecordsOfOwner(code, id);
  if (records) return records;
  if (code == kShiftCycleException)
    ThrowModelError(u"No shift cycle assignment item for foreign key ID " + Decimal(id),
                    kErrorInvalidId);
  ThrowModelError(u"No item for foreign key ID. - DataType: " + Decimal(code) +
                      u" - Foreign Key ID: " + Decimal(id),
                  kErrorInvalidId);
}
