// libFuzzer target: arbitrary bytes as the standard input of a whole dialogue.
#include "fuzz_harness.h"
#include "oracle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzzOneInput(checkDialogue, data, size);
}
