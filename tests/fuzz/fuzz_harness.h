// What both fuzz targets do with an input: check it against an oracle.
#ifndef ENDOHEDRAL_TESTS_FUZZ_HARNESS_H
#define ENDOHEDRAL_TESTS_FUZZ_HARNESS_H

#include <cstddef>
#include <cstdint>
#include <string>

using Check = std::string (*)(const std::string& input);

// Runs check on the input with the program's error lines silenced (a refusal
// prints one, which would drown libFuzzer's own output). A fault the oracle
// finds is printed and aborts, so that libFuzzer reports it and keeps the input.
int fuzzOneInput(Check check, const std::uint8_t* data, std::size_t size);

#endif
