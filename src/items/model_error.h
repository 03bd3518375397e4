// Failures of the model travel as exceptions whose text is "message\tcode"; the intake splits
// the text at the tab into the error text and the error code the host reads.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

class CModelError : public std::exception {
 public:
  CModelError(const std::u16string& message, int32_t code);
  const char* what() const noexcept override { return m_text.c_str(); }

 private:
  std::string m_text;
};

// The error codes the host sees.
enum ModelErrorCode : int32_t {
  kErrorOther = 3000,        // any failure without a code of its own
  kErrorInvalidJson = 3001,  // a value of the wrong JSON kind in the message
  kErrorInvalidId = 3002,    // a missing, invalid or dangling id; rejected data
  kErrorUnknownKey = 3003,   // a key the message format does not know
};

// message may end with its tab already, as the texts naming an unknown reference do.
[[noreturn]] void ThrowModelError(const std::u16string& message, int32_t code);
