// quillpack_bench_extract [MB [ENTRY_KB]]: builds an archive of MB (100) megabytes of
// mixed content in entries of ENTRY_KB (2,500) kilobytes (text-like, random, repetitive),
// extracts it with TZLBArc2::ExtractAll (with its writer thread, and with every write on
// the calling thread) and prints the extraction speed beside bare zlib inflate of the
// same streams, decoding alone and plain file writes, in the same run.
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "archive/archive_format.h"
#include "archive/zlb_archive.h"
#include "archive_builder.h"
#include "framework/file_system.h"
#include "framework/stream.h"

using testarc::Bytes;
using testarc::Item;

namespace {
using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

uint32_t Next(uint64_t& s) {  // xorshift64*
  s ^= s >> 12;
  s ^= s << 25;
  s ^= s >> 27;
  return static_cast<uint32_t>((s * 0x2545F4914F6CDD1DULL) >> 32);
}

std::string TextLike(size_t size, uint64_t seed) {
  static const char* const kWords[] = {"archive", "launcher", "window", "skin", "the", "of", "and", "folder",
                                       "entry", "program", "value", "return", "int", "if", "else", "{", "}",
                                       "0x1F", "storage", "data", "frame", "button", "=", ";", "menu"};
  std::string s;
  s.reserve(size + 64);
  while (s.size() < size) {
    int words = 4 + Next(seed) % 10;
    for (int w = 0; w < words; ++w) {
      s += kWords[Next(seed) % 25];
      s += ' ';
    }
    s += "\r\n";
  }
  s.resize(size);
  return s;
}

std::string Random(size_t size, uint64_t seed) {
  std::string s(size, '\0');
  for (size_t i = 0; i < size; ++i) s[i] = static_cast<char>(Next(seed));
  return s;
}

std::string Repetitive(size_t size, uint64_t seed) {
  std::string block(4096, '\0');
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i % 7 == 0 ? Next(seed) % 4 : i % 251);
  std::string s;
  s.reserve(size + block.size());
  while (s.size() < size) {
    block[Next(seed) % block.size()] = static_cast<char>(Next(seed));
    s += block;
  }
  s.resize(size);
  return s;
}
}  // namespace

int main(int argc, char** argv) {
  const size_t totalMB = argc > 1 ? static_cast<size_t>(std::max(1, std::atoi(argv[1]))) : 100;
  const size_t fileSize = static_cast<size_t>(argc > 2 ? std::max(1, std::atoi(argv[2])) : 2500) * 1000;
  const size_t files = std::max<size_t>(1, totalMB * 1000 * 1000 / fileSize);

  std::vector<Item> items;
  uint64_t seed = 0x9E3779B97F4A7C15ULL;
  for (size_t i = 0; i < files; ++i) {
    Item item;
    item.name = "file" + std::to_string(i) + ".bin";
    item.path = "set" + std::to_string(i % 4) + "\\";
    switch (i % 3) {
      case 0: item.content = TextLike(fileSize, seed + i); break;
      case 1: item.content = Random(fileSize, seed + i); item.method = smStored; break;  // does not shrink
      default: item.content = Repetitive(fileSize, seed + i); break;
    }
    items.push_back(std::move(item));
  }
  auto built = Clock::now();
  Bytes archive = testarc::Build(items);
  std::printf("%zu entries, %.1f MB content (text-like, random stored raw, repetitive), archive %.1f MB"
              " (built in %.1f s)\n", files,
              files * fileSize / 1e6, archive.size() / 1e6, Seconds(built));

  std::string dir = testarc::ScratchFolder("bench");
  std::string file = dir + "bench.zlb";
  testarc::WriteFile(file, archive);

  // Entry records, for the bare inflate of the same stored streams.
  TZLBArc2 arc;
  arc.OpenArchive(file);
  std::vector<TZLBEntry> entries(static_cast<size_t>(arc.FileCount()));
  for (size_t i = 0; i < entries.size(); ++i) arc.GetFileEntry(static_cast<int>(i), entries[i]);
  const double megabytes = files * fileSize / 1e6;

  // Decoding alone: ExtractEntry into a stream that drops its bytes.
  class NullStream : public TStream {
   public:
    size_t Read(void*, size_t) override { return 0; }
    void Write(const void*, size_t n) override { size_ += static_cast<int64_t>(n); }
    int64_t Seek(int64_t p) override { return p; }
    int64_t Position() const override { return size_; }
    int64_t Size() const override { return size_; }
    void SetSize(int64_t s) override { size_ = s; }
    int64_t size_ = 0;
  };
  TFileStream source(file, FileMode::Read);

  double bestInflate = 1e9, bestExtract = 1e9, bestSerial = 1e9, bestDecode = 1e9, bestWrite = 1e9;
  std::vector<uint8_t> out(fileSize);
  for (int round = 0; round < 5; ++round) {
    auto start = Clock::now();
    for (const TZLBEntry& e : entries) {
      const uint8_t* stored = archive.data() + e.DataOffset;
      if (e.Method == smStored) {
        std::copy(stored, stored + e.UncompressedSize, out.data());
        continue;
      }
      uLongf size = static_cast<uLongf>(out.size());
      if (uncompress(out.data(), &size, stored, static_cast<uLong>(e.CompressedSize)) != Z_OK) {
        std::fprintf(stderr, "inflate failed\n");
        return 1;
      }
    }
    bestInflate = std::min(bestInflate, Seconds(start));

    start = Clock::now();
    for (size_t i = 0; i < entries.size(); ++i) {
      NullStream sink;
      arc.ExtractEntry(static_cast<int>(i), sink, &source);
    }
    bestDecode = std::min(bestDecode, Seconds(start));

    // Writing the same bytes into new files, without decoding: the floor of any
    // extraction that writes files.
    start = Clock::now();
    for (size_t i = 0; i < items.size(); ++i) {
      TFileStream f(dir + "plain" + std::to_string(i), FileMode::Create);
      const std::string& c = items[i].content;
      for (size_t at = 0; at < c.size(); at += 1 << 20) f.Write(c.data() + at, std::min<size_t>(1 << 20, c.size() - at));
    }
    bestWrite = std::min(bestWrite, Seconds(start));
    for (size_t i = 0; i < items.size(); ++i) fsys::RemoveFile(dir + "plain" + std::to_string(i));

    // ExtractAll with and without its writer thread, taking turns going first.
    for (int turn = 0; turn < 2; ++turn) {
      bool threaded = (round + turn) % 2 == 0;
      arc.ExtractWriterThread = threaded;
      std::string dest = dir + "out" + std::to_string(round) + (threaded ? "t" : "s");
      start = Clock::now();
      arc.ExtractAll(dest);
      double& best = threaded ? bestExtract : bestSerial;
      best = std::min(best, Seconds(start));
      testarc::RemoveTree(dest);
    }
  }
  arc.CloseArchive();
  testarc::RemoveTree(dir.substr(0, dir.size() - 1));
  double inflate = megabytes / bestInflate, decode = megabytes / bestDecode, write = megabytes / bestWrite;
  double extract = megabytes / bestExtract, ceiling = megabytes / (bestInflate + bestWrite);
  double serial = megabytes / bestSerial;
  std::printf("best of 5 rounds, MB/s of uncompressed content:\n");
  std::printf("  bare zlib inflate, memory to memory:        %7.1f\n", inflate);
  std::printf("  ExtractEntry, archive file to no output:    %7.1f  (%.2f of bare inflate)\n", decode, decode / inflate);
  std::printf("  writing the same bytes to %3zu new files:    %7.1f\n", files, write);
  std::printf("  bare inflate followed by those writes:      %7.1f  (%.2f of bare inflate)\n", ceiling, ceiling / inflate);
  std::printf("  ExtractAll, every write on the caller:      %7.1f  (%.2f of bare inflate)\n", serial, serial / inflate);
  std::printf("  ExtractAll, archive file to files:          %7.1f  (%.2f of bare inflate)\n", extract, extract / inflate);
  std::printf("ratio extract / inflate: %.2f\n", extract / inflate);
  return 0;
}
