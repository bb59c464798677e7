#include "report.h"

#include <cstdarg>
#include <cstdio>

void reportError(const char* format, ...) {
  std::fputs("endohedral: ", stderr);
  std::va_list arguments;
  va_start(arguments, format);
  std::vfprintf(stderr, format, arguments);
  va_end(arguments);
  std::fputc('\n', stderr);
}
