#include "workspace.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>

#if !defined(_WIN32)
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;

namespace {

fs::path makeUniqueDirectory() {
  std::random_device seed;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate =
        fs::temp_directory_path() / ("endohedral-test-" + std::to_string(seed()));
    if (fs::create_directory(candidate)) return candidate;
  }
  throw std::runtime_error("cannot create a temporary directory");
}

std::string readAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeAll(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

int exitStatusOf(int systemResult) {
#if defined(_WIN32)
  return systemResult;
#else
  if (WIFEXITED(systemResult)) return WEXITSTATUS(systemResult);
  return 128 + WTERMSIG(systemResult);  // as a shell reports a killed program
#endif
}

#if defined(_WIN32)
// cmd.exe needs "cd /d" to change the drive too, and the executable's full path with
// its drive, since the build gives it without one (under Wine, drive Z: is "/").
std::string changeDirectoryCommand() { return "cd /d "; }
std::string executablePath() {
  return fs::absolute(ENDOHEDRAL_EXECUTABLE).make_preferred().string();
}
// cmd /c drops the first and the last quote of its command, so one more pair goes around.
std::string shellCommand(const std::string& command) { return quoted(command); }
#else
std::string changeDirectoryCommand() { return "cd "; }
std::string executablePath() { return ENDOHEDRAL_EXECUTABLE; }
std::string shellCommand(const std::string& command) { return command; }
#endif

}  // namespace

Workspace::Workspace() : root_(makeUniqueDirectory()), directory_(root_ / "work") {
  fs::create_directory(directory_);
}

Workspace::~Workspace() {
  std::error_code ignored;
  fs::permissions(directory_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(root_, ignored);
}

void Workspace::writeFile(const std::string& relativePath, const std::string& bytes) const {
  const fs::path path = directory_ / relativePath;
  fs::create_directories(path.parent_path());
  writeAll(path, bytes);
}

std::string Workspace::readFile(const std::string& relativePath) const {
  return readAll(directory_ / relativePath);
}

bool Workspace::exists(const std::string& relativePath) const {
  return fs::exists(fs::symlink_status(directory_ / relativePath));
}

std::set<std::string> Workspace::listing() const {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(directory_)) {
    names.insert(entry.path().lexically_relative(directory_).generic_string());
  }
  return names;
}

RunResult Workspace::run(const std::string& standardInput,
                         const std::vector<std::string>& arguments) const {
  const fs::path in = root_ / "stdin", out = root_ / "stdout", err = root_ / "stderr";
  writeAll(in, standardInput);
  std::ostringstream command;
  command << changeDirectoryCommand() << quoted(directory_.string()) << " && "
          << quoted(executablePath());
  for (const std::string& argument : arguments) command << ' ' << quoted(argument);
  command << " < " << quoted(in.string()) << " > " << quoted(out.string()) << " 2> "
          << quoted(err.string());
  const int status = exitStatusOf(std::system(shellCommand(command.str()).c_str()));
  return {status, readAll(out), readAll(err)};
}

std::string consoleLineEnd() {
#if defined(_WIN32)
  return "\r\n";
#else
  return "\n";
#endif
}

std::string expectedConsoleOutput() {
  const std::string rule = std::string(41, '-') + " ";
  const std::string lines[] = {"Choose C number of Fllerene ", rule,
                               " 1:C60,   2:C70,  3:C80,  4:C180,  5:C240 ",
                               " 6:C320,  7:C500, 8:C540, 9:C720, 10:C960 ",
                               "11:C980, 12:C1280 ", rule};
  std::string text;
  for (const std::string& line : lines) text += line + consoleLineEnd();
  return text + "Enter1-12:" + "Enter atom(H,Li,Na etc...):";
}

const char* const kCageLabels[12] = {"C60",  "C70",  "C80",  "C180", "C240", "C320",
                                     "C500", "C540", "C720", "C960", "C980", "C1280"};

std::string fixtureCage(const std::string& label) { return "C  " + label + "  1.000000\n"; }

void writeFixtureCages(const Workspace& workspace) {
  for (const char* label : kCageLabels) {
    workspace.writeFile(std::string("Input/") + label + ".inp", fixtureCage(label));
  }
}

std::string guestLine(const std::string& symbol) {
  return symbol + "  0.000000  0.000000  0.000000\r\n";
}
