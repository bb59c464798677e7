// The generator reproduces the committed files byte for byte, and refuses bad command lines.

#include "cage_geometry.hpp"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace cagetest {
namespace {

const std::filesystem::path inputDir = CAGE_DIR;
const std::filesystem::path gallery = GALLERY;
const std::string cagegen = CAGEGEN;

// A fresh folder of its own under the system's temporary folder, removed afterwards.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& tag)
        : path_(std::filesystem::temp_directory_path() /
                ("cagegen-" + tag + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

std::string quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

int exitStatus(const std::string& arguments) {
    const int status = std::system((cagegen + " " + arguments + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Regeneration, WritesTheCommittedFilesByteForByte) {
    TemporaryFolder out("regenerate");
    const auto svg = out.path() / "cages.svg";
    ASSERT_EQ(exitStatus(quoted(out.path() / "Input") + " " + quoted(svg)), 0);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(inputDir)) {
        if (entry.path().extension() != ".inp") continue;
        ++files;
        EXPECT_EQ(readText(out.path() / "Input" / entry.path().filename()), readText(entry.path()))
            << entry.path().filename() << " differs from the generator's output";
    }
    EXPECT_EQ(files, 12);
    EXPECT_EQ(readText(svg), readText(gallery)) << "docs/cages.svg differs from the generator's output";
}

// `{tmp}` in the arguments stands for a fresh folder holding a regular file `file`.
struct BadCall {
    const char* what;
    std::string arguments;
    int status;
};

void PrintTo(const BadCall& c, std::ostream* out) { *out << '"' << c.arguments << '"'; }

class CommandLine : public ::testing::TestWithParam<BadCall> {};

TEST_P(CommandLine, FailsWithItsExitStatus) {
    TemporaryFolder tmp("bad-call");
    std::ofstream(tmp.path() / "file") << "not a folder\n";
    std::string arguments = GetParam().arguments;
    for (auto at = arguments.find("{tmp}"); at != std::string::npos; at = arguments.find("{tmp}"))
        arguments.replace(at, 5, tmp.path().string());
    EXPECT_EQ(exitStatus(arguments), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    BadCalls, CommandLine,
    ::testing::Values(BadCall{"NoArguments", "", 2}, BadCall{"TooManyArguments", "a b c", 2},
                      BadCall{"OutputFolderInsideAFile", "{tmp}/file/Input", 1},
                      BadCall{"GalleryInsideAFile", "{tmp}/Input {tmp}/file/cages.svg", 1}),
    [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace cagetest
