#include "structure_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "case_name.h"

#if defined(_WIN32)
#include <process.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "workspace.h"
#endif

namespace {

// A read-write binary stream that is deleted once closed. msvcrt's tmpfile names
// its files in the drive root after a per-process counter, so test processes
// running side by side collide there; a name of our own in the temp folder does not.
std::FILE* scratchStream() {
#if defined(_WIN32)
  static int count = 0;
  const std::string name = "endohedral-" + std::to_string(_getpid()) + "-" + std::to_string(++count);
  return std::fopen((std::filesystem::temp_directory_path() / name).string().c_str(), "w+bD");
#else
  return std::tmpfile();
#endif
}

struct CopyCase {
  const char* name;
  std::string cage;
  std::string expected;
};

void PrintTo(const CopyCase& copyCase, std::ostream* out) { *out << copyCase.name; }

std::string line(std::size_t length, char fill = 'x') { return std::string(length, fill); }

std::string copied(const std::string& cageBytes) {
  std::FILE* cage = scratchStream();
  std::FILE* structure = scratchStream();
  std::fwrite(cageBytes.data(), 1, cageBytes.size(), cage);
  std::rewind(cage);
  const bool ok = copyCageText(cage, structure);
  std::string result;
  std::rewind(structure);
  for (int c = std::getc(structure); c != EOF; c = std::getc(structure)) {
    result += static_cast<char>(c);
  }
  std::fclose(cage);
  std::fclose(structure);
  EXPECT_TRUE(ok);
  return result;
}

class CopyRules : public testing::TestWithParam<CopyCase> {};

TEST_P(CopyRules, GiveTheWindowsTextOfTheCage) {
  EXPECT_EQ(copied(GetParam().cage), GetParam().expected);
}

// Chunks hold 255 characters, so lines of 254, 255 and 256 characters, and
// special bytes on either side of a chunk border, are where a copy goes wrong.
INSTANTIATE_TEST_SUITE_P(
    Cases, CopyRules,
    testing::Values(
        CopyCase{"Empty", "", ""},
        CopyCase{"LfBecomesCrLf", "C  1\nC  2\n", "C  1\r\nC  2\r\n"},
        CopyCase{"CrLfStaysCrLf", "C  1\r\nC  2\r\n", "C  1\r\nC  2\r\n"},
        CopyCase{"LoneCrIsDropped", "ab\rcd\n", "abcd\r\n"},
        CopyCase{"CrCrLfGivesOneLineEnd", "ab\r\r\n", "ab\r\n"},
        CopyCase{"LastLineWithoutLf", "C  1\nC  2", "C  1\r\nC  2"},
        CopyCase{"Line254", line(254) + "\n", line(254) + "\r\n"},
        CopyCase{"Line255", line(255) + "\n", line(255) + "\r\n"},
        CopyCase{"Line256", line(256) + "\n", line(256) + "\r\n"},
        CopyCase{"Line300", line(300) + "\n", line(300) + "\r\n"},
        CopyCase{"Line5000WithoutLf", line(5000), line(5000)},
        CopyCase{"ManyShortLines", [] {
                   std::string s;
                   for (int i = 0; i < 1000; ++i) s += "C  " + std::to_string(i) + "\n";
                   return s;
                 }(),
                 [] {
                   std::string s;
                   for (int i = 0; i < 1000; ++i) s += "C  " + std::to_string(i) + "\r\n";
                   return s;
                 }()},
        CopyCase{"CrLfAcrossChunkBorder", line(255) + "\r\n" + "y\n",
                 line(255) + "\r\n" + "y\r\n"},
        CopyCase{"ChunkOfLfsOnly", std::string(600, '\n'), [] {
                   std::string s;
                   for (int i = 0; i < 600; ++i) s += "\r\n";
                   return s;
                 }()},
        CopyCase{"CtrlZEndsTheText", "C  1\nC\x1a  2\nC  3\n", "C  1\r\nC"},
        CopyCase{"CtrlZFirst", "\x1a" "C  1\n", ""},
        CopyCase{"CtrlZAtChunkBorder", line(255) + "\x1a" + "after", line(255)},
        CopyCase{"CtrlZAfterChunkBorder", line(256) + "\x1a" + "after", line(256)},
        CopyCase{"NulIsCopied", std::string("C\0  1\n", 6), std::string("C\0  1\r\n", 7)},
        CopyCase{"HighBytesPass", "\x80\xa0\x85\xff\n", "\x80\xa0\x85\xff\r\n"}),
    CaseName());

// A stream that reading fails on: on a file open for writing only.
std::FILE* unreadableStream() {
#if defined(_WIN32)
  // The Windows C runtime has no freopen without a path, and reads a stream opened
  // for writing as an empty file; a read stream on a write-only descriptor fails.
  static const Workspace workspace;
  const std::string path = (workspace.directory() / "write-only").string();
  return _fdopen(_open(path.c_str(), _O_WRONLY | _O_CREAT | _O_BINARY, _S_IREAD | _S_IWRITE),
                 "rb");
#else
  return std::freopen(nullptr, "wb", scratchStream());
#endif
}

TEST(CopyCageText, ReportsAFailedRead) {
  std::FILE* structure = scratchStream();
  std::FILE* cage = unreadableStream();
  ASSERT_NE(cage, nullptr);
  EXPECT_FALSE(copyCageText(cage, structure));
  EXPECT_NE(std::ferror(cage), 0);
  std::fclose(cage);
  std::fclose(structure);
}

// The copy takes many bytes in one step where it can, so its result is checked
// against the rules applied one byte at a time, over many cage texts that put
// CR, LF, 0x1A and NUL at every position of a step and of a chunk.
std::string windowsTextByteByByte(const std::string& cage) {
  std::string text;
  for (const char byte : cage) {
    if (byte == '\x1a') break;
    if (byte == '\r') continue;
    if (byte == '\n') text += '\r';
    text += byte;
  }
  return text;
}

struct ByteMix {
  const char* name;
  std::string bytes;  // a cage text draws its bytes from these, evenly
};

void PrintTo(const ByteMix& mix, std::ostream* out) { *out << mix.name; }

class CopyOfMixedText : public testing::TestWithParam<ByteMix> {};

TEST_P(CopyOfMixedText, FollowsTheRulesByteByByte) {
  std::mt19937 random(60);
  const std::string& bytes = GetParam().bytes;
  std::uniform_int_distribution<std::size_t> pick(0, bytes.size() - 1);
  std::uniform_int_distribution<std::size_t> length(0, 3 * kLineBufferSize + 40);
  for (int text = 0; text < 300; ++text) {
    std::string cage(length(random), ' ');
    for (char& byte : cage) byte = bytes[pick(random)];
    ASSERT_EQ(copied(cage), windowsTextByteByByte(cage)) << "cage text number " << text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CopyOfMixedText,
    testing::Values(ByteMix{"CageLines", "C  0.123456-789\n"},
                    ByteMix{"ShortLines", "C\n\n"},
                    ByteMix{"CrLfLines", "C 0.5-\r\n"},
                    ByteMix{"LoneCrs", "ab\r\r\r\n"},
                    ByteMix{"NulAndHighBytes", std::string("x\0\xff\x80\n\r", 6)},
                    ByteMix{"RareCtrlZ", "C  0.123456-789012345678901234567890\r\n\x1a"},
                    ByteMix{"OnlySpecialBytes", std::string("\r\n\x1a\0", 4)}),
    CaseName());

}  // namespace
