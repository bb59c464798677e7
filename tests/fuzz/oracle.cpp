#include "oracle.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <set>
#include <stdexcept>

#include "dialogue.h"
#include "structure_file.h"
#include "workspace.h"

namespace {

const char kWhiteSpace[] = " \t\n\v\f\r";
constexpr std::size_t kLongestSymbol = 255;
const char kCopyGuest[] = "Na";

std::size_t skipWhiteSpace(const std::string& text, std::size_t at) {
  return std::min(text.find_first_not_of(kWhiteSpace, at), text.size());
}

// The menu number at `at` (moved past it) when it chooses a cage: no minus
// sign and decimal digits worth 1 to 12. Leading zeros do not count, so a
// number of any length is judged without arithmetic that could wrap.
std::optional<int> referenceMenuNumber(const std::string& input, std::size_t& at) {
  at = skipWhiteSpace(input, at);
  const bool negative = at < input.size() && input[at] == '-';
  if (at < input.size() && (input[at] == '+' || input[at] == '-')) ++at;
  const std::size_t digitsEnd = std::min(input.find_first_not_of("0123456789", at), input.size());
  const std::string digits = input.substr(at, digitsEnd - at);
  at = digitsEnd;
  const std::size_t significant = digits.find_first_not_of('0');
  if (negative || significant == std::string::npos || digits.size() - significant > 2) {
    return std::nullopt;
  }
  const int number = std::stoi(digits.substr(significant));
  if (number > static_cast<int>(std::size(kCageLabels))) return std::nullopt;
  return number;
}

// The next word after white space, when it can be a guest symbol.
std::optional<std::string> referenceSymbol(const std::string& input, std::size_t at) {
  at = skipWhiteSpace(input, at);
  const std::size_t end = std::min(input.find_first_of(kWhiteSpace, at), input.size());
  const std::string word = input.substr(at, end - at);
  if (word.empty() || word.size() > kLongestSymbol || word.find('\0') != std::string::npos) {
    return std::nullopt;
  }
  return word;
}

// The scratch working directory with the fixture cages, made once per process
// and removed at exit.
struct FixtureDirectory {
  Workspace workspace;
  std::set<std::string> fixtures;

  FixtureDirectory() {
    writeFixtureCages(workspace);
    fixtures = workspace.listing();
  }

  // Removes whatever a check left beside the fixtures.
  void restore() const {
    for (const std::string& name : workspace.listing()) {
      if (fixtures.count(name) == 0) std::filesystem::remove_all(workspace.directory() / name);
    }
  }
};

const FixtureDirectory& fixtureDirectory() {
  static const FixtureDirectory directory;
  return directory;
}

// Makes the fixture directory the working directory for one check only: the
// caller's relative paths (libFuzzer's corpus folders) must keep working.
class InFixtureDirectory {
 public:
  InFixtureDirectory() : caller_(std::filesystem::current_path()) {
    std::filesystem::current_path(fixtureDirectory().workspace.directory());
  }
  ~InFixtureDirectory() { std::filesystem::current_path(caller_); }
  InFixtureDirectory(const InFixtureDirectory&) = delete;
  InFixtureDirectory& operator=(const InFixtureDirectory&) = delete;

 private:
  std::filesystem::path caller_;
};

std::FILE* openScratchStream() {
  std::FILE* stream = std::tmpfile();
  if (stream == nullptr) throw std::runtime_error("cannot open a temporary stream");
  return stream;
}

std::string readBack(std::FILE* stream) {
  std::rewind(stream);
  std::string bytes;
  for (int c = std::getc(stream); c != EOF; c = std::getc(stream)) bytes += static_cast<char>(c);
  return bytes;
}

// Runs the dialogue on the input; console receives what it printed.
int runDialogueOn(const std::string& input, std::string& console) {
  std::FILE* in = openScratchStream();
  std::FILE* out = openScratchStream();
  std::fwrite(input.data(), 1, input.size(), in);
  std::rewind(in);
  const int status = runDialogue(in, out);
  console = readBack(out);
  std::fclose(in);
  std::fclose(out);
  return status;
}

// The working directory must hold what it held before the run and, when one
// is expected, the structure file with exactly the expected bytes; nothing else.
std::string judgeFiles(std::set<std::string> before, const std::optional<ExpectedFile>& file) {
  const std::set<std::string> after = fixtureDirectory().workspace.listing();
  if (file) before.insert(file->name);
  if (after != before) {
    return file ? "the directory does not hold " + file->name + " beside its earlier files"
                : "a refusal left a file";
  }
  if (file && fixtureDirectory().workspace.readFile(file->name) != file->bytes) {
    return file->name + " is not the guest line followed by the copied cage";
  }
  return "";
}

std::string judgeDialogue(const std::string& input, int status, const std::string& console) {
  if (console != expectedConsoleOutput())
    return "the console text is not the menu and both prompts";
  const std::optional<ExpectedFile> file = referenceDialogue(input);
  const int expectedStatus = file ? EXIT_SUCCESS : EXIT_FAILURE;
  if (status != expectedStatus) {
    return "exit status " + std::to_string(status) + ", expected " + std::to_string(expectedStatus);
  }
  return judgeFiles(fixtureDirectory().fixtures, file);
}

}  // namespace

std::string referenceCopy(const std::string& cage) {
  std::string text;
  for (const char byte : cage.substr(0, cage.find('\x1a'))) {
    if (byte == '\n') text += '\r';
    if (byte != '\r') text += byte;
  }
  return text;
}

std::optional<ExpectedFile> referenceDialogue(const std::string& input) {
  std::size_t at = 0;
  const std::optional<int> number = referenceMenuNumber(input, at);
  const std::optional<std::string> symbol = referenceSymbol(input, at);
  if (!number || !symbol) return std::nullopt;
  const std::string label = kCageLabels[*number - 1];
  return ExpectedFile{label + ".xyz", guestLine(*symbol) + referenceCopy(fixtureCage(label))};
}

std::string checkDialogue(const std::string& input) {
  const FixtureDirectory& directory = fixtureDirectory();
  const InFixtureDirectory inside;
  std::string console;
  const int status = runDialogueOn(input, console);
  const std::string fault = judgeDialogue(input, status, console);
  directory.restore();
  return fault;
}

// The cage bytes go to a file of their own beside the fixtures: a new file
// each time, as rewriting one in place makes some file systems flush it.
std::string checkCopy(const std::string& cage) {
  const FixtureDirectory& directory = fixtureDirectory();
  const InFixtureDirectory inside;
  directory.workspace.writeFile("Input/fuzz.inp", cage);
  std::set<std::string> before = directory.fixtures;
  before.insert("Input/fuzz.inp");
  const bool written = writeStructureFile("Input\\fuzz.inp", "fuzz.xyz", kCopyGuest);
  const std::string fault =
      written ? judgeFiles(before,
                           ExpectedFile{"fuzz.xyz", guestLine(kCopyGuest) + referenceCopy(cage)})
              : "writeStructureFile failed";
  directory.restore();
  return fault;
}
