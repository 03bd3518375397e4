#include "tools/velk/input.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>

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

// UTF-16 of the given byte order read straight into text: a message file can be gigabytes,
// and a copy of it as bytes would double what the load needs.
bool ReadUtf16(std::istream& file, size_t bytes, bool little, std::u16string* text) {
  text->resize(bytes / 2);
  if (!file.read(reinterpret_cast<char*>(text->data()), static_cast<std::streamsize>(bytes)))
    return false;
  const char16_t probe = 1;
  const bool hostLittle = *reinterpret_cast<const unsigned char*>(&probe) == 1;
  if (little != hostLittle)
    for (char16_t& c : *text) c = static_cast<char16_t>(c << 8 | c >> 8);
  return true;
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
  text->clear();
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  const std::streamoff end = file ? static_cast<std::streamoff>(file.tellg()) : -1;
  unsigned char head[3] = {};
  const size_t size = end > 0 ? static_cast<size_t>(end) : 0;
  // A directory opens, but neither reading its head nor peeking into it succeeds.
  const bool readable =
      end >= 0 && file.seekg(0) &&
      (size ? static_cast<bool>(file.read(reinterpret_cast<char*>(head), std::min<size_t>(size, 3)))
            : (file.peek(), !file.bad()));
  if (!readable) {
    *error = "cannot be read";
    return false;
  }
  const bool marked =
      size >= 2 && ((head[0] == 0xFF && head[1] == 0xFE) || (head[0] == 0xFE && head[1] == 0xFF));
  if (marked || (size >= 2 && (head[0] == 0) != (head[1] == 0))) {
    if (size % 2) {
      *error = "UTF-16 text with an odd number of bytes";
      return false;
    }
    const size_t skip = marked ? 2 : 0;
    if (!file.seekg(static_cast<std::streamoff>(skip)) ||
        !ReadUtf16(file, size - skip, marked ? head[0] == 0xFF : head[1] == 0, text)) {
      *error = "cannot be read";
      return false;
    }
  } else {
    const size_t skip = size >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF ? 3 : 0;
    std::string bytes(size - skip, '\0');
    if (!file.seekg(static_cast<std::streamoff>(skip)) ||
        !file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
      *error = "cannot be read";
      return false;
    }
    size_t bad = 0;
    if (!AppendUtf8(bytes, *text, &bad)) {
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
