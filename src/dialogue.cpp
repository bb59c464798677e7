#include "dialogue.h"

#include <cstdint>
#include <cstdlib>

#include "cage_catalogue.h"
#include "report.h"
#include "structure_file.h"

const char kMenuText[] =
    "Choose C number of Fllerene \n"
    "----------------------------------------- \n"
    " 1:C60,   2:C70,  3:C80,  4:C180,  5:C240 \n"
    " 6:C320,  7:C500, 8:C540, 9:C720, 10:C960 \n"
    "11:C980, 12:C1280 \n"
    "----------------------------------------- \n";
const char kNumberPrompt[] = "Enter1-12:";
const char kSymbolPrompt[] = "Enter atom(H,Li,Na etc...):";

namespace {

// The six ASCII white-space characters, whatever the locale says.
bool isWhiteSpace(int c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int firstAfterWhiteSpace(std::FILE* input) {
  int c;
  do c = std::getc(input);
  while (isWhiteSpace(c));
  return c;
}

// Leaves the byte that ended an answer to be read by the next one.
void giveBack(int c, std::FILE* input) {
  if (c != EOF) std::ungetc(c, input);
}

struct MenuAnswer {
  bool hasDigits;   // a decimal number was typed
  bool fitsInt32;   // and its value is a signed 32-bit integer
  std::int32_t value;
};

// Reads an optionally signed decimal number the way "%d" does, but never lets a
// value beyond 32 bits wrap around into the menu's range.
MenuAnswer readMenuNumber(std::FILE* input) {
  constexpr std::int64_t kBeyondInt32 = (std::int64_t{1} << 31) + 1;
  int c = firstAfterWhiteSpace(input);
  const bool negative = c == '-';
  if (c == '+' || c == '-') c = std::getc(input);
  bool hasDigits = false;
  std::int64_t magnitude = 0;
  for (; c >= '0' && c <= '9'; c = std::getc(input)) {
    hasDigits = true;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > kBeyondInt32) magnitude = kBeyondInt32;
  }
  giveBack(c, input);
  const std::int64_t value = negative ? -magnitude : magnitude;
  const bool fits = value >= INT32_MIN && value <= INT32_MAX;
  return {hasDigits, fits, fits ? static_cast<std::int32_t>(value) : 0};
}

enum class SymbolAnswer { kRead, kMissing, kTooLong, kHasNul };

// Reads the next word, like "%s", into symbol without ever passing its end.
SymbolAnswer readGuestSymbol(std::FILE* input, char (&symbol)[kSymbolBufferSize]) {
  int length = 0;
  bool hasNul = false;
  int c = firstAfterWhiteSpace(input);
  for (; c != EOF && !isWhiteSpace(c); c = std::getc(input)) {
    if (length == kSymbolBufferSize - 1) return SymbolAnswer::kTooLong;
    hasNul = hasNul || c == '\0';
    symbol[length++] = static_cast<char>(c);
  }
  symbol[length] = '\0';
  giveBack(c, input);
  if (length == 0) return SymbolAnswer::kMissing;
  return hasNul ? SymbolAnswer::kHasNul : SymbolAnswer::kRead;
}

const CageEntry* chosenCage(const MenuAnswer& menu) {
  if (!menu.hasDigits) {
    reportError("no menu number given (choose 1 to %d)", kCageCount);
    return nullptr;
  }
  if (!menu.fitsInt32) {
    reportError("menu number out of range (choose 1 to %d)", kCageCount);
    return nullptr;
  }
  const CageEntry* cage = findCage(menu.value);
  if (cage == nullptr) {
    reportError("no cage with menu number %d (choose 1 to %d)", static_cast<int>(menu.value),
                kCageCount);
  }
  return cage;
}

bool isUsable(SymbolAnswer symbol) {
  switch (symbol) {
    case SymbolAnswer::kRead:
      return true;
    case SymbolAnswer::kMissing:
      reportError("no guest symbol given");
      return false;
    case SymbolAnswer::kTooLong:
      reportError("guest symbol longer than %d characters", kSymbolBufferSize - 1);
      return false;
    case SymbolAnswer::kHasNul:
      reportError("guest symbol contains a NUL byte");
      return false;
  }
  return false;
}

void prompt(const char* text, std::FILE* output) {
  std::fputs(text, output);
  std::fflush(output);  // the prompt must show before the program waits
}

}  // namespace

int runDialogue(std::FILE* input, std::FILE* output) {
  std::fputs(kMenuText, output);
  prompt(kNumberPrompt, output);
  const MenuAnswer menu = readMenuNumber(input);
  prompt(kSymbolPrompt, output);
  char symbol[kSymbolBufferSize];
  const SymbolAnswer symbolAnswer = readGuestSymbol(input, symbol);

  const CageEntry* cage = chosenCage(menu);
  if (cage == nullptr || !isUsable(symbolAnswer)) return EXIT_FAILURE;
  const bool written =
      writeStructureFile(cage->cageFilePath, cage->structureFileName, symbol);
  return written ? EXIT_SUCCESS : EXIT_FAILURE;
}

int runDialogue() { return runDialogue(stdin, stdout); }
