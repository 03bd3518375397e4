#include "tools/velk/input.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "tools/velk/command.h"
#include "tools/velk/text.h"

#ifdef _WIN32
#include <io.h>
#define VELK_ISATTY _isatty
#else
#include <unistd.h>
#define VELK_ISATTY isatty
#endif

namespace velk_cli {

namespace {

void AppendUtf16(std::string_view bytes, bool little, std::u16string* text) {
  text->reserve(bytes.size() / 2);
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    *text +=
        static_cast<char16_t>(little ? byte(i) | byte(i + 1) << 8 : byte(i) << 8 | byte(i + 1));
}

// A bar of items loaded against an estimate: every item is a JSON object, so the opening
// braces of the text bound the count from above (the message and its sections add a few).
class ProgressBar {
 public:
  explicit ProgressBar(const std::u16string& text) {
    for (char16_t c : text) m_estimate += c == u'{';
  }
  ~ProgressBar() {
    if (m_drawn) std::fprintf(stderr, "\r%*s\r", kWidth + 24, "");
  }

  static void Callback(void* context, uint32_t processed, uint32_t) {
    static_cast<ProgressBar*>(context)->Draw(processed);
  }

 private:
  static constexpr int kWidth = 40;

  void Draw(uint32_t processed) {
    const double part = m_estimate ? std::min(1.0, double(processed) / m_estimate) : 1.0;
    const int filled = static_cast<int>(part * kWidth);
    std::fprintf(stderr, "\r[%s%*s] %3d%% %u items", std::string(filled, '#').c_str(),
                 kWidth - filled, "", static_cast<int>(part * 100), processed);
    std::fflush(stderr);
    m_drawn = true;
  }

  size_t m_estimate = 0;
  bool m_drawn = false;
};

}  // namespace

bool ReadMessage(const std::string& path, std::u16string* text, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file.good() && !file.eof()) {
    *error = "cannot be read";
    return false;
  }
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const std::string_view all(bytes);
  text->clear();
  const bool marked = bytes.size() >= 2 && ((byte(0) == 0xFF && byte(1) == 0xFE) ||
                                            (byte(0) == 0xFE && byte(1) == 0xFF));
  if (marked || (bytes.size() >= 2 && (byte(0) == 0) != (byte(1) == 0))) {
    if (bytes.size() % 2) {
      *error = "UTF-16 text with an odd number of bytes";
      return false;
    }
    AppendUtf16(all.substr(marked ? 2 : 0), marked ? byte(0) == 0xFF : byte(1) == 0, text);
  } else {
    const size_t skip =
        bytes.size() >= 3 && byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF ? 3 : 0;
    size_t bad = 0;
    if (!AppendUtf8(all.substr(skip), *text, &bad)) {
      *error = "not UTF-8 text (byte " + std::to_string(skip + bad) + ")";
      return false;
    }
  }
  // The library reads up to the first NUL: a text holding one would load truncated.
  const size_t nul = text->find(u'\0');
  if (nul != std::u16string::npos) {
    *error = "holds a NUL character (character " + std::to_string(nul) + ")";
    return false;
  }
  return true;
}

LoadedData::~LoadedData() {
  if (m_data) DllFreeData();
}

int LoadedData::Load(const std::string& path, const LoadOptions& options) {
  std::u16string message;
  std::string error;
  if (!ReadMessage(path, &message, &error)) {
    std::fprintf(stderr, "velk: %s: %s\n", path.c_str(), error.c_str());
    return kExitData;
  }
  m_data = DllGetData();
  m_data->SetMetaDataCallback([](void*, const char16_t*, const char16_t*) { return true; },
                              nullptr);
  m_data->SetLoadedCallback([](void*) {}, nullptr);
  bool loaded;
  const auto start = std::chrono::steady_clock::now();
  if (options.progress && VELK_ISATTY(2)) {
    ProgressBar bar(message);
    loaded = m_data->Load(message.c_str(), options.inOrder, &ProgressBar::Callback, &bar);
  } else {
    loaded = m_data->Load(message.c_str(), options.inOrder, nullptr, nullptr);
  }
  m_milliseconds =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  if (!loaded) {
    std::fprintf(stderr, "velk: %s: error %d: %s\n", path.c_str(), m_data->GetErrorCode(),
                 Utf8(m_data->GetErrorText()).c_str());
    return kExitData;
  }
  return kExitOk;
}

}  // namespace velk_cli
