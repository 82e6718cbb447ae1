// Writing of decoded output blocks on a thread of its own, so that decoding the next
// block of an entry overlaps writing the last one. A write failure is caught on that
// thread and raised again on the calling thread.
#pragma once
#include <cstddef>
#include <cstdint>
#include <exception>
#include <vector>

#include "framework/threads.h"

class TStream;

namespace zlbinflate {
// A writer thread with a small pool of blocks. One destination at a time, used from one
// calling thread: Begin, then Acquire / Submit per block, then Finish (or Abandon when
// the output is given up). Blocks are written one at a time in the order they were
// submitted. When the caller needs a block written (no free block, or Finish) and the
// thread has not taken it up, the caller writes it itself: on a machine busy with other
// work the thread may wait long for its turn, and the output is then never slower than
// writing everything on the calling thread.
class WriteBehind {
 public:
  // Starts the thread with start; without one (the system has none to give) every
  // block is written by the caller.
  WriteBehind(size_t blockSize, size_t blockCount, const qmthread::ThreadStarter& start = qmthread::StartThread);
  WriteBehind(const WriteBehind&) = delete;
  WriteBehind& operator=(const WriteBehind&) = delete;
  ~WriteBehind();  // drops what is still queued, stops and joins the thread

  size_t BlockSize() const { return blockSize_; }
  bool HasThread() const { return thread_.Joinable(); }
  // Starts the output to dest; with withCrc the writer keeps the CRC-32 of the bytes.
  void Begin(TStream& dest, bool withCrc);
  // A free block of BlockSize() bytes; waits while every block is queued. Throws the
  // failure of an earlier write of this output.
  uint8_t* Acquire();
  // Queues the first count bytes of block (from Acquire) for writing.
  void Submit(uint8_t* block, size_t count);
  // Waits until every queued block is written, writes the first count bytes of last (a
  // block from Acquire) on the calling thread, then ends the output: throws the first
  // write failure, else returns the CRC-32 (0 without).
  uint32_t Finish(uint8_t* last, size_t count);
  // Ends the output without waiting for the rest of its blocks: waits only until the
  // thread no longer touches the destination and forgets any failure.
  void Abandon() noexcept;

 private:
  struct Job {
    uint8_t* block;
    size_t count;
  };
  void Run() noexcept;
  // With mutex_ held by lock and no write under way: writes the first queued block
  // (unlocked while writing), records its CRC or failure and frees it.
  void WriteFirst(qmthread::Hold& hold) noexcept;
  // The caller's wait for ready(): writes queued blocks itself while no write is under way.
  template <typename Ready>
  void HelpUntil(qmthread::Hold& hold, Ready ready);
  void EndOutput();  // with mutex_ held and no write under way: every block free again

  const size_t blockSize_;
  std::vector<std::vector<uint8_t>> storage_;
  qmthread::Mutex mutex_;
  qmthread::Condition wake_;  // the thread waits here for a block or for the stop
  qmthread::Condition idle_;  // the caller waits here while a block is being written
  std::vector<Job> queue_;  // at most one job per block: room for all is reserved
  std::vector<uint8_t*> free_;
  bool writing_ = false;  // a block is being written (outside the lock)
  bool stop_ = false;
  TStream* dest_ = nullptr;
  bool withCrc_ = false;
  uint32_t crc_ = 0;
  std::exception_ptr failure_;
  qmthread::Thread thread_;  // last member: started once everything above exists
};
}  // namespace zlbinflate
