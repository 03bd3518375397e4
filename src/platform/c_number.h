// Number text in the "C" locale: '.' is the decimal point whatever locale the host has set
// in the process, so JSON numbers read and write the same everywhere.

#ifndef VELK_PLATFORM_C_NUMBER_H_
#define VELK_PLATFORM_C_NUMBER_H_

#include <cstddef>

namespace velk_platform {

// strtod of text in the "C" locale; sets *end and errno as strtod does.
double ParseDoubleC(const char* text, char** end);

// snprintf(buffer, size, "%f", value) in the "C" locale.
int FormatFixedC(char* buffer, size_t size, double value);

}  // namespace velk_platform

#endif  // VELK_PLATFORM_C_NUMBER_H_
