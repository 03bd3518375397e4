// From a file to a loaded root object: reading the message in its encoding, loading it
// through the public interface, and saying in one line on stderr why that failed.
#ifndef TOOLS_VELK_INPUT_H_
#define TOOLS_VELK_INPUT_H_

#include <string>

#include "velk_data.h"

namespace velk_cli {

// The text of a message file: UTF-16 with a byte order mark, UTF-16 without one when the
// first character is ASCII (as a JSON text's is), else UTF-8 (its mark skipped). False with
// the reason in *error when the file cannot be read or is not such text.
bool ReadMessage(const std::string& path, std::u16string* text, std::string* error);

struct LoadOptions {
  bool inOrder = false;   // items in the order of the text, not sorted by type
  bool progress = false;  // a progress bar on stderr, when that is a terminal
};

// The process's root object with one message loaded from a file; freed on destruction.
class LoadedData {
 public:
  LoadedData() = default;
  LoadedData(const LoadedData&) = delete;
  LoadedData& operator=(const LoadedData&) = delete;
  ~LoadedData();

  // Reads and loads the file. On failure prints one line on stderr and returns the exit
  // status (kExitData), else kExitOk.
  int Load(const std::string& path, const LoadOptions& options = LoadOptions());

  velk_data::IData* operator->() const { return m_data; }
  velk_data::IData* get() const { return m_data; }
  // Time spent in IData::Load, reading the file not included.
  double LoadMilliseconds() const { return m_milliseconds; }

 private:
  velk_data::IData* m_data = nullptr;
  double m_milliseconds = 0;
};

}  // namespace velk_cli

#endif  // TOOLS_VELK_INPUT_H_
