// A scratch working directory for one test, and runs of the built program in it.
#ifndef ENDOHEDRAL_TESTS_WORKSPACE_H
#define ENDOHEDRAL_TESTS_WORKSPACE_H

#include <filesystem>
#include <set>
#include <string>
#include <vector>

// What one run of the program did.
struct RunResult {
  int exitStatus;
  std::string standardOutput;
  std::string standardError;
};

// A fresh temporary folder holding the program's working directory, with the
// run's standard streams kept beside it so that they never show up among the
// files the program made. Removed with everything in it when the test ends.
class Workspace {
 public:
  Workspace();
  ~Workspace();
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  // The working directory the program runs in.
  const std::filesystem::path& directory() const { return directory_; }

  void writeFile(const std::string& relativePath, const std::string& bytes) const;
  std::string readFile(const std::string& relativePath) const;
  bool exists(const std::string& relativePath) const;

  // Names of everything in the working directory and below, relative to it.
  std::set<std::string> listing() const;

  // Runs the program in the working directory with the given standard input.
  RunResult run(const std::string& standardInput,
                const std::vector<std::string>& arguments = {}) const;

 private:
  std::filesystem::path root_;
  std::filesystem::path directory_;
};

// The twelve cage labels in menu order.
extern const char* const kCageLabels[12];

// The small cage file the fixtures hold for a label: one line naming it.
std::string fixtureCage(const std::string& label);

// Gives the workspace an Input folder with a fixture cage file for every label.
void writeFixtureCages(const Workspace& workspace);

// The guest line the program writes for a symbol.
std::string guestLine(const std::string& symbol);

// The texts the program prints when its standard output is not a terminal:
// the menu and both prompts, with the platform's own line ends.
std::string expectedConsoleOutput();

// The line end the console streams use on the platform the program runs on.
std::string consoleLineEnd();

#endif
