#include "structure_file.h"

#include <cerrno>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "report.h"

namespace {

constexpr unsigned char kEndOfText = 0x1A;  // Ctrl-Z ends a text file on Windows
constexpr int kPathBufferSize = 64;         // longer than any catalogue path

// The streams' buffers: larger than the default so that both files move in few
// system calls, and static so that the program's memory is the same for any cage.
char cageStreamBuffer[kStreamBufferSize];
char structureStreamBuffer[kStreamBufferSize];

std::FILE* openStream(const char* path, const char* mode, char (&buffer)[kStreamBufferSize]) {
  std::FILE* stream = std::fopen(path, mode);
  // Should setvbuf refuse, the stream keeps its default buffer and still works.
  if (stream != nullptr) std::setvbuf(stream, buffer, _IOFBF, sizeof buffer);
  return stream;
}

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

// Writes one cage byte other than 0x1A as text at out; returns the end of what
// it wrote.
unsigned char* putTextByte(unsigned char byte, unsigned char* out) {
  if (byte == '\r') return out;
  if (byte == '\n') *out++ = '\r';
  *out++ = byte;
  return out;
}

#if defined(__SSE2__)
// Cage text is almost all plain bytes, so where the processor allows it the copy
// takes sixteen bytes in one step and handles only the CR, LF and 0x1A in them.
constexpr std::size_t kBlockSize = 16;

__m128i loadBlock(const unsigned char* bytes) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
}

void storeBlock(unsigned char* out, __m128i block) {
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), block);
}

// One bit for each byte of the block that equals byte.
unsigned positionsOf(__m128i block, unsigned char byte) {
  const __m128i pattern = _mm_set1_epi8(static_cast<char>(byte));
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, pattern)));
}

// The steps below store whole blocks, bytes past the text they make included,
// which later steps overwrite: they read up to a block past their block and
// write up to two blocks and a byte past where their text starts.
constexpr std::size_t kChunkMargin = kBlockSize;
constexpr std::size_t kTextMargin = 2 * kBlockSize + 1;

// The usual block of a cage file: no CR or 0x1A and at most one LF, whose place
// in the block varies from line to line; written without a branch on it.
unsigned char* putLineBlock(const unsigned char* bytes, __m128i block, unsigned lineFeed,
                            unsigned char* out) {
  const std::size_t at = static_cast<std::size_t>(__builtin_ctz(lineFeed | (1u << kBlockSize)));
  storeBlock(out, block);
  out[at] = '\r';
  storeBlock(out + at + 1, loadBlock(bytes + at));
  return out + kBlockSize + (lineFeed != 0 ? 1 : 0);
}

// Any other block: each CR or LF in it (up to a 0x1A, then ended is set) moves
// the rest of the block, which is stored again after the CR dropped or inserted.
unsigned char* putMixedBlock(const unsigned char* bytes, __m128i block, unsigned changed,
                             unsigned endOfText, unsigned char* out, bool& ended) {
  std::size_t size = kBlockSize;
  if (endOfText != 0) {
    size = static_cast<std::size_t>(__builtin_ctz(endOfText));
    changed &= (1u << size) - 1;
    ended = true;
  }
  storeBlock(out, block);
  std::size_t placed = 0;  // bytes [0, placed) are in place; out is where byte placed goes
  for (; changed != 0; changed &= changed - 1) {
    const std::size_t at = static_cast<std::size_t>(__builtin_ctz(changed));
    out += at - placed;
    if (bytes[at] == '\n') {
      *out++ = '\r';
      placed = at;
    } else {
      placed = at + 1;
    }
    storeBlock(out, loadBlock(bytes + placed));
  }
  return out + (size - placed);
}

// Writes the text of the sixteen bytes at bytes to out, up to a 0x1A (then sets
// ended); returns the end of the text.
unsigned char* putTextBlock(const unsigned char* bytes, unsigned char* out, bool& ended) {
  const __m128i block = loadBlock(bytes);
  const unsigned lineFeeds = positionsOf(block, '\n');
  const unsigned carriageReturns = positionsOf(block, '\r');
  const unsigned endOfText = positionsOf(block, kEndOfText);
  if ((carriageReturns | endOfText | (lineFeeds & (lineFeeds - 1))) == 0) {
    return putLineBlock(bytes, block, lineFeeds, out);
  }
  return putMixedBlock(bytes, block, lineFeeds | carriageReturns, endOfText, out, ended);
}
#else
// Byte by byte only.
constexpr std::size_t kChunkMargin = 0;
constexpr std::size_t kTextMargin = 0;
#endif

// Writes the text of the first size bytes of chunk to out, up to a 0x1A (then sets
// ended); returns the end of the text.
unsigned char* putText(const unsigned char* chunk, std::size_t size, unsigned char* out,
                       bool& ended) {
  std::size_t from = 0;
#if defined(__SSE2__)
  for (; from + kBlockSize <= size && !ended; from += kBlockSize) {
    out = putTextBlock(chunk + from, out, ended);
  }
#endif
  for (; from < size && !ended; ++from) {
    if (chunk[from] == kEndOfText) {
      ended = true;
    } else {
      out = putTextByte(chunk[from], out);
    }
  }
  return out;
}

}  // namespace

bool copyCageText(std::FILE* cage, std::FILE* structure) {
  // One chunk of the cage file and its text, each with the block steps' margin.
  unsigned char chunk[kLineBufferSize + kChunkMargin] = {};
  unsigned char text[2 * kLineBufferSize + kTextMargin];  // room for every byte to be a LF
  for (;;) {
    const std::size_t read = std::fread(chunk, 1, kLineBufferSize, cage);
    bool ended = false;
    const std::size_t length =
        static_cast<std::size_t>(putText(chunk, read, text, ended) - text);
    if (length > 0 && std::fwrite(text, 1, length, structure) != length) return false;
    if (ended) return true;
    if (read < kLineBufferSize) return !std::ferror(cage);
  }
}

bool writeStructureFile(const char* cageFilePath, const char* structureFileName,
                        const char* guestSymbol) {
  char path[kPathBufferSize];
  toLocalPath(cageFilePath, path);
  std::FILE* cage = openStream(path, "rb", cageStreamBuffer);
  if (cage == nullptr) {
    reportFileError(path, errno);
    return false;
  }
  if (!isReadable(cage)) {
    reportFileError(path, errno);
    std::fclose(cage);
    return false;
  }
  std::FILE* structure = openStream(structureFileName, "wb", structureStreamBuffer);
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
