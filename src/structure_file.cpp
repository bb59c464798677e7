#include "structure_file.h"

#include <cerrno>
#include <cstring>

#include "report.h"

namespace {

constexpr unsigned char kEndOfText = 0x1A;  // Ctrl-Z ends a text file on Windows
constexpr int kPathBufferSize = 64;         // longer than any catalogue path

// The stored paths use the Windows separator; other systems get their own.
void toLocalPath(const char* storedPath, char (&path)[kPathBufferSize]) {
  std::snprintf(path, sizeof path, "%s", storedPath);
#if !defined(_WIN32)
  for (char* c = path; *c != '\0'; ++c) {
    if (*c == '\\') *c = '/';
  }
#endif
}

void reportFileError(const char* path, int error) {
  reportError("%s: %s", path, std::strerror(error));
}

// Reads one byte ahead, so that a cage path naming a directory or an unreadable
// file is noticed before the structure file is created or emptied.
bool isReadable(std::FILE* cage) {
  const int first = std::getc(cage);
  if (first == EOF) return !std::ferror(cage);
  return std::ungetc(first, cage) != EOF;
}

bool writeGuestLine(std::FILE* structure, const char* guestSymbol) {
  const double origin = 0.0;
  return std::fprintf(structure, "%s  ", guestSymbol) >= 0 &&
         std::fprintf(structure, "%f  ", origin) >= 0 &&
         std::fprintf(structure, "%f  ", origin) >= 0 &&
         std::fprintf(structure, "%f\r\n", origin) >= 0;
}

// Closes and deletes a structure file that could not be written whole.
void discard(std::FILE* structure, const char* structureFileName) {
  std::fclose(structure);
  std::remove(structureFileName);
}

}  // namespace

bool copyCageText(std::FILE* cage, std::FILE* structure) {
  unsigned char chunk[kLineBufferSize];
  unsigned char text[2 * kLineBufferSize];  // room for every byte to be a LF
  for (;;) {
    const std::size_t read = std::fread(chunk, 1, sizeof chunk, cage);
    std::size_t length = 0;
    bool ended = false;
    for (std::size_t i = 0; i < read && !ended; ++i) {
      const unsigned char byte = chunk[i];
      if (byte == kEndOfText) {
        ended = true;
      } else if (byte != '\r') {
        if (byte == '\n') text[length++] = '\r';
        text[length++] = byte;
      }
    }
    if (length > 0 && std::fwrite(text, 1, length, structure) != length) return false;
    if (ended) return true;
    if (read < sizeof chunk) return !std::ferror(cage);
  }
}

bool writeStructureFile(const char* cageFilePath, const char* structureFileName,
                        const char* guestSymbol) {
  char path[kPathBufferSize];
  toLocalPath(cageFilePath, path);
  std::FILE* cage = std::fopen(path, "rb");
  if (cage == nullptr) {
    reportFileError(path, errno);
    return false;
  }
  if (!isReadable(cage)) {
    reportFileError(path, errno);
    std::fclose(cage);
    return false;
  }
  std::FILE* structure = std::fopen(structureFileName, "wb");
  if (structure == nullptr) {
    reportFileError(structureFileName, errno);
    std::fclose(cage);
    return false;
  }
  const bool copied = writeGuestLine(structure, guestSymbol) && copyCageText(cage, structure);
  const int copyError = errno;
  const bool cageFailed = std::ferror(cage) != 0;
  std::fclose(cage);
  if (!copied) {
    reportFileError(cageFailed ? path : structureFileName, copyError);
    discard(structure, structureFileName);
    return false;
  }
  if (std::fclose(structure) != 0) {
    reportFileError(structureFileName, errno);
    std::remove(structureFileName);
    return false;
  }
  return true;
}
