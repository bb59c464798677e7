// The dialogue as a user meets it: the built program run on typed answers.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "case_name.h"
#include "workspace.h"

namespace {

TEST(Dialogue, OneRunPrintsTheMenuAndPromptsAndWritesTheStructureFile) {
  Workspace workspace;
  workspace.writeFile("Input/C60.inp", "C  3.484500  -0.694521  0.000000\nC  1.0  2.0  3.0\n");
  const RunResult result = workspace.run("1\nNa\n");
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.standardOutput, expectedConsoleOutput());
  EXPECT_EQ(result.standardError, "");
  EXPECT_EQ(workspace.readFile("C60.xyz"),
            "Na  0.000000  0.000000  0.000000\r\n"
            "C  3.484500  -0.694521  0.000000\r\n"
            "C  1.0  2.0  3.0\r\n");
  EXPECT_EQ(workspace.listing(), (std::set<std::string>{"Input", "Input/C60.inp", "C60.xyz"}));
}

TEST(Dialogue, ConsoleTextIsTwoHundredFiftySevenBytesWithSixLineEnds) {
  const std::string text = expectedConsoleOutput();
  EXPECT_EQ(text.size(), 257 + 6 * (consoleLineEnd().size() - 1));
}

TEST(Dialogue, CommandLineArgumentsAreIgnored) {
  Workspace workspace;
  writeFixtureCages(workspace);
  const RunResult result = workspace.run("2\nHe\n", {"--help", "5", "Xe"});
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.standardOutput, expectedConsoleOutput());
  EXPECT_EQ(result.standardError, "");
  EXPECT_EQ(workspace.readFile("C70.xyz"), guestLine("He") + "C  C70  1.000000\r\n");
}

struct AnswerCase {
  const char* name;
  std::string input;
  const char* cage;  // the label of the cage chosen
  std::string symbol;
};

void PrintTo(const AnswerCase& answer, std::ostream* out) { *out << answer.name; }

class Answers : public testing::TestWithParam<AnswerCase> {};

TEST_P(Answers, ChooseTheCageAndGuestAsTyped) {
  const AnswerCase& answer = GetParam();
  Workspace workspace;
  writeFixtureCages(workspace);
  const RunResult result = workspace.run(answer.input);
  EXPECT_EQ(result.exitStatus, 0);
  EXPECT_EQ(result.standardError, "");
  EXPECT_EQ(result.standardOutput, expectedConsoleOutput());
  const std::string structureFile = std::string(answer.cage) + ".xyz";
  EXPECT_EQ(workspace.readFile(structureFile), guestLine(answer.symbol) + "C  " + answer.cage +
                                                   "  1.000000\r\n");
  EXPECT_EQ(workspace.listing().count(structureFile), 1u);
  EXPECT_EQ(workspace.listing().size(), 14u);  // Input, twelve cages, one structure file
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Answers,
    testing::Values(
        AnswerCase{"TwoLines", "3\nNa\n", "C80", "Na"},
        AnswerCase{"OneLineWithBlank", "3 Na\n", "C80", "Na"},
        AnswerCase{"NumberAndSymbolJoined", "3Na\n", "C80", "Na"},
        AnswerCase{"DecimalPointStartsTheSymbol", "3.5\n", "C80", ".5"},
        AnswerCase{"WhiteSpaceAndEmptyLinesBefore", " \t\n\n3\n\n \t Na\n", "C80", "Na"},
        AnswerCase{"EveryWhiteSpaceCharacter", " \t\n\v\f\r3 \t\n\v\f\rNa\r\n", "C80", "Na"},
        AnswerCase{"PlusSign", "+3\nNa\n", "C80", "Na"},
        AnswerCase{"LeadingZero", "03\nNa\n", "C80", "Na"},
        AnswerCase{"LeadingZeros", "003\nNa\n", "C80", "Na"},
        AnswerCase{"TwentyLeadingZeros", "000000000000000000003\nNa\n", "C80", "Na"},
        AnswerCase{"ZeroTenIsTen", "010\nNa\n", "C960", "Na"},
        AnswerCase{"FirstWordOnly", "12\n  Xe Kr\n", "C1280", "Xe"},
        AnswerCase{"SymbolAtEndOfInput", "1\nNa", "C60", "Na"},
        AnswerCase{"LowerCase", "1\nna\n", "C60", "na"},
        AnswerCase{"UpperCase", "1\nNA\n", "C60", "NA"},
        AnswerCase{"NotAnElement", "1\nQ1\n", "C60", "Q1"},
        AnswerCase{"LongestSymbol", "1\n" + std::string(255, 'x') + "\n", "C60",
                   std::string(255, 'x')},
        AnswerCase{"HighBytesAreNotWhiteSpace", "1\nA\xa0" "B\x85" "C\xff\n", "C60",
                   "A\xa0" "B\x85" "C\xff"},
        AnswerCase{"LastCage", "12\nLi\n", "C1280", "Li"}),
    CaseName());

struct RefusalCase {
  const char* name;
  std::string input;
  std::string error;
};

void PrintTo(const RefusalCase& refusal, std::ostream* out) { *out << refusal.name; }

class Refusals : public testing::TestWithParam<RefusalCase> {};

// Every refusal still asks both questions, then says why on standard error,
// fails, and leaves the working directory exactly as it was.
TEST_P(Refusals, ReportOneLineAndTouchNoFile) {
  const RefusalCase& refusal = GetParam();
  Workspace workspace;
  writeFixtureCages(workspace);
  workspace.writeFile("C60.xyz", "an earlier structure file\n");
  const std::set<std::string> before = workspace.listing();
  const RunResult result = workspace.run(refusal.input);
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.standardOutput, expectedConsoleOutput());
  EXPECT_EQ(result.standardError, "endohedral: " + refusal.error + consoleLineEnd());
  EXPECT_EQ(workspace.listing(), before);
  EXPECT_EQ(workspace.readFile("C60.xyz"), "an earlier structure file\n");
}

const std::string kNoNumber = "no menu number given (choose 1 to 12)";
const std::string kOutOfRange = "menu number out of range (choose 1 to 12)";

std::string noCage(const std::string& number) {
  return "no cage with menu number " + number + " (choose 1 to 12)";
}

INSTANTIATE_TEST_SUITE_P(
    MenuNumbers, Refusals,
    testing::Values(
        RefusalCase{"Letters", "Na\n1\n", kNoNumber},
        RefusalCase{"PlusWithoutDigits", "+\nNa\n", kNoNumber},
        RefusalCase{"MinusWithoutDigits", "-Na\n", kNoNumber},
        RefusalCase{"HexPrefixIsZero", "0x1\nNa\n", noCage("0")},
        RefusalCase{"NoInput", "", kNoNumber},
        RefusalCase{"OnlyWhiteSpace", " \n\t\n", kNoNumber},
        RefusalCase{"Zero", "0\nNa\n", noCage("0")},
        RefusalCase{"MinusOne", "-1\nNa\n", noCage("-1")},
        RefusalCase{"Thirteen", "13\nNa\n", noCage("13")},
        RefusalCase{"LargestInt32", "2147483647\nNa\n", noCage("2147483647")},
        RefusalCase{"SmallestInt32", "-2147483648\nNa\n", noCage("-2147483648")},
        RefusalCase{"JustAboveInt32", "2147483648\nNa\n", kOutOfRange},
        RefusalCase{"JustBelowInt32", "-2147483649\nNa\n", kOutOfRange},
        RefusalCase{"WouldWrapToOne", "4294967297\nNa\n", kOutOfRange},
        RefusalCase{"ThirtyDigits", std::string(30, '9') + "\nNa\n", kOutOfRange},
        RefusalCase{"NumberBeforeSymbolProblems", "13\n" + std::string(300, 'x'), noCage("13")}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(
    GuestSymbols, Refusals,
    testing::Values(
        RefusalCase{"InputEndsAfterTheNumber", "1", "no guest symbol given"},
        RefusalCase{"OnlyWhiteSpaceAfterTheNumber", "1\n \n\t\n", "no guest symbol given"},
        RefusalCase{"TooLong", "1\n" + std::string(256, 'x') + "\n",
                    "guest symbol longer than 255 characters"},
        RefusalCase{"FarTooLong", "1\n" + std::string(100000, 'x'),
                    "guest symbol longer than 255 characters"},
        RefusalCase{"NulByte", std::string("1\nN\0a\n", 6), "guest symbol contains a NUL byte"}),
    CaseName());

}  // namespace
