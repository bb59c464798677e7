// Throughput of copyCageText over a cage file of a few MiB held in a temporary
// file, so that the figures include the stdio streams as the program uses them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "structure_file.h"

namespace {

constexpr std::size_t kCageBytes = 4u << 20;

// Lines shaped like a real cage file's: "C  x  y  z" with six decimals, LF ends.
std::string cageText(bool windowsLineEnds) {
  std::mt19937 random(1280);
  std::uniform_real_distribution<double> coordinate(-20.0, 20.0);
  std::string text;
  char line[96];
  while (text.size() < kCageBytes) {
    std::snprintf(line, sizeof line, "C  %f  %f  %f%s", coordinate(random),
                  coordinate(random), coordinate(random), windowsLineEnds ? "\r\n" : "\n");
    text += line;
  }
  return text;
}

std::FILE* temporaryFile(std::vector<char>& buffer) {
  std::FILE* file = std::tmpfile();
  if (file == nullptr || std::setvbuf(file, buffer.data(), _IOFBF, buffer.size()) != 0) {
    return nullptr;
  }
  return file;
}

// Arguments: the size of each stream's buffer (the C library's default or the
// program's), and 1 for a cage with CR LF ends.
void CopyCageText(benchmark::State& state) {
  const std::string text = cageText(state.range(1) != 0);
  std::vector<char> cageBuffer(static_cast<std::size_t>(state.range(0)));
  std::vector<char> structureBuffer(cageBuffer.size());
  std::FILE* cage = temporaryFile(cageBuffer);
  std::FILE* structure = temporaryFile(structureBuffer);
  if (cage == nullptr || structure == nullptr ||
      std::fwrite(text.data(), 1, text.size(), cage) != text.size()) {
    state.SkipWithError("cannot set up the temporary files");
    return;
  }
  for (auto _ : state) {
    std::rewind(cage);
    std::rewind(structure);  // overwrite in place, so the file does not grow
    if (!copyCageText(cage, structure) || std::fflush(structure) != 0) {
      state.SkipWithError("the copy failed");
      break;
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  std::fclose(cage);
  std::fclose(structure);
}

BENCHMARK(CopyCageText)
    ->ArgNames({"stream_buffer", "crlf"})
    ->ArgsProduct({{BUFSIZ, kStreamBufferSize}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
