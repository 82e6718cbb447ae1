// The writer thread of decoded output: a queue of filled blocks written in order by the
// thread or, when it lags, by the caller; a failure is kept as an exception_ptr and
// raised again by the calling thread.
#include "archive/write_behind.h"

#include <zlib.h>

#include "framework/stream.h"

namespace zlbinflate {

WriteBehind::WriteBehind(size_t blockSize, size_t blockCount, const qmthread::ThreadStarter& start)
    : blockSize_(blockSize) {
  storage_.resize(blockCount);
  queue_.reserve(blockCount);
  for (std::vector<uint8_t>& block : storage_) {
    block.resize(blockSize_);
    free_.push_back(block.data());
  }
  thread_ = start([this] { Run(); });
}

WriteBehind::~WriteBehind() {
  {
    qmthread::Hold hold(mutex_);
    queue_.clear();  // a destination that was not finished may be gone already
    stop_ = true;
  }
  wake_.NotifyOne();
  thread_.Join();  // Run lets nothing out
}

void WriteBehind::Begin(TStream& dest, bool withCrc) {
  qmthread::Hold hold(mutex_);
  dest_ = &dest;
  withCrc_ = withCrc;
  crc_ = 0;
  failure_ = nullptr;
}

template <typename Ready>
void WriteBehind::HelpUntil(qmthread::Hold& hold, Ready ready) {
  while (!ready()) {
    if (writing_)
      idle_.Wait(hold);
    else
      WriteFirst(hold);  // ready() is false: something is queued
  }
}

uint8_t* WriteBehind::Acquire() {
  qmthread::Hold hold(mutex_);
  HelpUntil(hold, [this] { return !free_.empty() || failure_; });
  if (failure_) std::rethrow_exception(failure_);
  uint8_t* block = free_.back();
  free_.pop_back();
  return block;
}

void WriteBehind::Submit(uint8_t* block, size_t count) {
  {
    qmthread::Hold hold(mutex_);
    queue_.push_back({block, count});
  }
  wake_.NotifyOne();
}

uint32_t WriteBehind::Finish(uint8_t* last, size_t count) {
  qmthread::Hold hold(mutex_);
  HelpUntil(hold, [this] { return queue_.empty() && !writing_; });
  if (count > 0) {  // written here: the thread would first have to wake up
    queue_.push_back({last, count});
    WriteFirst(hold);
  }
  std::exception_ptr failure = failure_;
  uint32_t crc = crc_;
  EndOutput();
  if (failure) std::rethrow_exception(failure);
  return crc;
}

void WriteBehind::Abandon() noexcept {
  qmthread::Hold hold(mutex_);
  queue_.clear();
  while (writing_) idle_.Wait(hold);
  EndOutput();
}

void WriteBehind::EndOutput() {
  dest_ = nullptr;
  failure_ = nullptr;
  free_.clear();
  for (std::vector<uint8_t>& block : storage_) free_.push_back(block.data());
}

void WriteBehind::WriteFirst(qmthread::Hold& hold) noexcept {
  Job job = queue_.front();
  queue_.erase(queue_.begin());
  if (!failure_) {  // after a failure the rest of the output is dropped
    writing_ = true;
    TStream* dest = dest_;
    bool withCrc = withCrc_;
    uint32_t crc = crc_;
    hold.Unlock();
    std::exception_ptr failure;
    try {
      if (withCrc) crc = static_cast<uint32_t>(crc32(crc, job.block, static_cast<uInt>(job.count)));
      dest->Write(job.block, job.count);
    } catch (...) {
      failure = std::current_exception();
    }
    hold.Lock();
    writing_ = false;
    crc_ = crc;
    failure_ = failure;
  }
  free_.push_back(job.block);
  idle_.NotifyAll();
  if (!queue_.empty()) wake_.NotifyOne();  // the thread takes up what the caller left
}

void WriteBehind::Run() noexcept {
  qmthread::Hold hold(mutex_);
  for (;;) {
    while (!stop_ && (queue_.empty() || writing_)) wake_.Wait(hold);
    if (stop_) return;
    WriteFirst(hold);
  }
}
}  // namespace zlbinflate
