// CDataIntake: reads one message step by step, routes each section to its collection, creates,
// updates and deletes items, records user-requested changes, and turns every failure into the
// root object's error code and text.
#pragma once

#include <cstdint>

#include "velk_data.h"

class CData;
class CTransactionLog;

class CDataIntake {
 public:
  explicit CDataIntake(CData* data) : m_data(data) {}

  // Applies json to the model; false on failure, with the root object's error set. log is null
  // for a full load.
  bool Run(const char16_t* json, bool fullLoad, bool inOrder, CTransactionLog* log,
           velk_data::ProgressCallback progress, void* progressContext);

 private:
  CData* m_data;
  uint32_t m_itemCount = 0;
};
