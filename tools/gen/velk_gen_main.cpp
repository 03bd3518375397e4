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
  std::FILE* file = std::fopen(path, "wb");
  if (!file) {
    std::perror(path);
    return 1;
  }
  // Piece by piece: a message of 100,000 employees is gigabytes.
  uint64_t bytes = 0;
  bool written = true;
  std::string piece;
  const uint64_t items = velk_gen::WritePlanningMessage(
      [&](std::u16string_view text) {
        piece.clear();
        if (utf8) {
          piece = velk_gen::ToUtf8(std::u16string(text));
        } else {
          for (char16_t c : text) {
            piece.push_back(static_cast<char>(c & 0xFF));
            piece.push_back(static_cast<char>(c >> 8));
          }
        }
        written = written && std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
        bytes += piece.size();
      },
      seed, employees, content);
  if (std::fclose(file) != 0 || !written) {
    std::perror(path);
    return 1;
  }
  std::printf("%s: %llu bytes, %llu items\n", path, static_cast<unsigned long long>(bytes),
              static_cast<unsigned long long>(items));
  return 0;
}
