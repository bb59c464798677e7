#include "fuzz_harness.h"

#include <fcntl.h>
#include <sanitizer/common_interface_defs.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

// Standard error as libFuzzer and the sanitizers see it, and /dev/null that
// stands in for it while the program's code runs.
struct ErrorStreams {
  int console = dup(STDERR_FILENO);
  int discard = open("/dev/null", O_WRONLY);

  ErrorStreams() {
    if (console < 0 || discard < 0) {
      std::perror("fuzz harness: cannot set up standard error");
      std::exit(EXIT_FAILURE);
    }
    // A sanitizer report from inside the silenced code must still be seen.
    __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<std::intptr_t>(console)));
  }
};

const ErrorStreams& errorStreams() {
  static const ErrorStreams streams;
  return streams;
}

}  // namespace

int fuzzOneInput(Check check, const std::uint8_t* data, std::size_t size) {
  const ErrorStreams& streams = errorStreams();
  const std::string input(reinterpret_cast<const char*>(data), size);
  dup2(streams.discard, STDERR_FILENO);
  const std::string fault = check(input);
  dup2(streams.console, STDERR_FILENO);
  if (!fault.empty()) {
    std::fprintf(stderr, "oracle: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}
