// Writes a structure file: the guest atom at the cage centre, then the cage file's text.
#ifndef ENDOHEDRAL_STRUCTURE_FILE_H
#define ENDOHEDRAL_STRUCTURE_FILE_H

#include <cstdio>

constexpr int kLineBufferSize = 256;    // one chunk of the cage file
// Each file stream's buffer: large enough that the cage and structure files move
// in few system calls, small enough that the program stays within 2 MiB.
constexpr int kStreamBufferSize = 1 << 17;
constexpr int kSymbolBufferSize = 256;  // a guest symbol of up to 255 characters and its NUL

// Writes structureFileName: the guest line, then the text of the cage file at
// cageFilePath (stored with a backslash separator). Both files follow the Windows
// text convention on every platform, so the result is the same wherever it is made.
// On failure reports one line on standard error and returns false; the structure
// file is then either untouched (the cage file could not be opened or read) or removed.
bool writeStructureFile(const char* cageFilePath, const char* structureFileName,
                        const char* guestSymbol);

// Copies cage text to structure under the Windows text convention: every CR is
// dropped, the first 0x1A ends the text, and every LF is written as CR LF. All
// other bytes, NUL included, pass unchanged. Returns false when a read or a write
// failed (ferror tells which stream, errno why).
bool copyCageText(std::FILE* cage, std::FILE* structure);

#endif
