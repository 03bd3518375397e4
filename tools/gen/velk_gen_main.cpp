// velk-gen: writes a generated full-load planning message to a file.
//   velk-gen [--employees N] [--seed S] [--master-only | --periods] [--utf8] OUT
// UTF-16 (little-endian, no byte order mark) unless --utf8 is given; --master-only leaves out
// the employees' records, --periods keeps only their employment periods, memberships,
// individual working times and leave entitlements.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tools/gen/planning_gen.h"

int main(int argc, char** argv) {
  uint32_t employees = 10000;
  uint32_t seed = 1;
  bool utf8 = false;
  velk_gen::Content content = velk_gen::Content::kEverything;
  const char* path = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--employees") && i + 1 < argc) {
      employees = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc) {
      seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
    } else if (!std::strcmp(argv[i], "--master-only")) {
      content = velk_gen::Content::kMasterData;
    } else if (!std::strcmp(argv[i], "--periods")) {
      content = velk_gen::Content::kPeriods;
    } else if (!std::strcmp(argv[i], "--utf8")) {
      utf8 = true;
    } else if (argv[i][0] != '-' && !path) {
      path = argv[i];
    } else {
      path = nullptr;
      break;
    }
  }
  if (!path) {
    std::fprintf(stderr,
                 "usage: velk-gen [--employees N] [--seed S] [--master-only | --periods] [--utf8] "
                 "OUT\n");
    return 2;
  }
  velk_gen::MessageStats stats;
  std::u16string text = velk_gen::GeneratePlanningMessage(seed, employees, &stats, content);
  std::string bytes;
  if (utf8) {
    bytes = velk_gen::ToUtf8(text);
  } else {
    bytes.reserve(text.size() * 2);
    for (char16_t c : text) {
      bytes.push_back(static_cast<char>(c & 0xFF));
      bytes.push_back(static_cast<char>(c >> 8));
    }
  }
  std::FILE* file = std::fopen(path, "wb");
  if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
      std::fclose(file) != 0) {
    std::perror(path);
    return 1;
  }
  std::printf("%s: %zu bytes, %llu items\n", path, bytes.size(),
              static_cast<unsigned long long>(stats.items));
  return 0;
}
