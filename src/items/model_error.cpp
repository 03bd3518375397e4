#include "items/model_error.h"

#include "platform/code_page.h"

CModelError::CModelError(const std::u16string& message, int32_t code)
    : m_text(velk_platform::ToMultiByte(message, velk_platform::kSystemCodePage)) {
  // The messages that name an unknown reference end with their tab already.
  if (m_text.empty() || m_text.back() != '\t') m_text += '\t';
  m_text += std::to_string(code);
}

void ThrowModelError(const std::u16string& message, int32_t code) {
  throw CModelError(message, code);
}
