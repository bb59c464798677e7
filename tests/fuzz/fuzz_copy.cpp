// libFuzzer target: arbitrary bytes as the cage file the structure file is written from.
#include "fuzz_harness.h"
#include "oracle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzzOneInput(checkCopy, data, size);
}
