// CDataIntake: reads one message step by step, routes each section to its collection, creates,
// updates and deletes items, records user-requested changes, and turns every failure into the
// root object's error code and text. It never builds a tree of the whole message: one item
// object at a time.
#pragma once

#include <cstdint>
#include <set>
#include <string>

#include "json/json_parser.h"
#include "velk_data.h"

class CData;
class CItemsBase;
class CTransactionLog;

class CDataIntake {
 public:
  explicit CDataIntake(CData* data) : m_data(data) {}

  // Applies json to the model; false on failure, with the root object's error set. log is null
  // for a full load.
  bool Run(const char16_t* json, bool fullLoad, bool inOrder, CTransactionLog* log,
           velk_data::ProgressCallback progress, void* progressContext);

 private:
  // State of the message being read.
  struct Message {
    velk_json::CJSONParser parser;
    bool fullLoad;
    CTransactionLog* log;
    velk_data::ProgressCallback progress;
    void* progressContext;
    std::set<std::u16string> types;
  };

  void ReadInOrder(Message& message);
  void ReadSorted(Message& message);
  void Dispatch(Message& message, const std::u16string& key);
  void ReadMetaData(Message& message, const std::u16string& key, int32_t code);
  void ReadRestrictedAccess(Message& message);
  void ReadItems(Message& message, const std::u16string& key, int32_t code);
  void CreateOrUpdate(Message& message, const std::u16string& key, int32_t code,
                      const velk_json::CJSONObject& element);
  void Delete(Message& message, const std::u16string& key, int32_t code,
              const velk_json::CJSONObject& element);
  CItemsBase* TargetCollection(int32_t code, const velk_json::CJSONObject& element);

  CData* m_data;
  uint32_t m_itemCount = 0;
};
