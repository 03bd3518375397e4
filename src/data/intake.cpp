#include "data/intake.h"

#include "data/data.h"

bool CDataIntake::Run(const char16_t* json, bool /*fullLoad*/, bool /*inOrder*/,
                      CTransactionLog* /*log*/, velk_data::ProgressCallback /*progress*/,
                      void* /*progressContext*/) {
  m_itemCount = 0;
  if (!json || !*json) {
    m_data->SetBusy(false);
    return true;
  }
  m_data->SetError(u"Invalid JSON string.", 3001);
  m_data->SetBusy(false);
  return false;
}
