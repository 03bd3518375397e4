// Model tests load a small message into a root object of their own and ask it as a host would.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "data/data.h"
#include "json/text_convert.h"
#include "platform/code_page.h"

class ModelTest : public ::testing::Test {
 protected:
  // Loads json in text order; fails the test with the model's error text otherwise.
  void Load(const char16_t* json, bool inOrder = true) {
    ASSERT_TRUE(data.Load(json, inOrder, nullptr, nullptr)) << Error();
  }
  // Applies an update; the log is released with the fixture.
  velk_data::ITransactionLog* Update(const char16_t* json, bool inOrder = true) {
    velk_data::ITransactionLog* log = data.Update(json, inOrder, nullptr, nullptr);
    if (log) logs.emplace_back(log);
    return log;
  }
  std::string Error() const {
    return velk_json::ToNarrow(data.GetErrorText(), velk_platform::kUtf8CodePage) + " (" +
           std::to_string(data.GetErrorCode()) + ")";
  }

  struct LogDeleter {
    void operator()(velk_data::ITransactionLog* log) const { log->Release(); }
  };
  CData data;
  std::vector<std::unique_ptr<velk_data::ITransactionLog, LogDeleter>> logs;
};

// Narrow text of a model string, for readable assertions: UTF-8 on every platform.
inline std::string Narrow(const char16_t* text) {
  return velk_json::ToNarrow(text, velk_platform::kUtf8CodePage);
}
