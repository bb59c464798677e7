// What the program must do with any input, told by reference models written
// apart from the program. The fuzzers and the replay of their corpora share it.
#ifndef ENDOHEDRAL_TESTS_FUZZ_ORACLE_H
#define ENDOHEDRAL_TESTS_FUZZ_ORACLE_H

#include <optional>
#include <string>

// The structure file a run must leave: its name and its bytes.
struct ExpectedFile {
  std::string name;
  std::string bytes;
};

// The cage text as the structure file must hold it: every CR dropped, the
// first 0x1A ending the text, every LF as CR LF, all other bytes kept.
std::string referenceCopy(const std::string& cage);

// The file a dialogue on this standard input must write among the fixture
// cages, or nothing when the answers must be refused.
std::optional<ExpectedFile> referenceDialogue(const std::string& input);

// Each check runs the program's code on one input in a scratch working
// directory holding the fixture cages (made on the first call, kept for the
// process) and returns what went wrong, or "" when the oracle holds. The
// scratch directory is left as it was found, and so is the working directory.
std::string checkDialogue(const std::string& input);  // input: standard input
std::string checkCopy(const std::string& cage);       // cage: the cage file's bytes

#endif
