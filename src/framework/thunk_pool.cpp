// The thunk pool (see thunk_pool.h). Pages come from VirtualAlloc and are split into
// 16-byte slots; a page goes back to the system when its last slot is freed. A thunk
// is
//     pop  eax            ; the caller's return address
//     push object         ; the extra first argument
//     push eax            ; the return address again, above it
//     jmp  target         ; target returns straight to the caller (stdcall cleans up)
#include "framework/thunk_pool.h"

#include <windows.h>

#include <bitset>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "framework/threads.h"

#if !defined(__i386__) && !defined(_M_IX86)
#error "The thunk pool emits 32-bit x86 code"
#endif

namespace {
constexpr size_t kPageSize = 4096;
constexpr size_t kSlotSize = 16;
constexpr size_t kSlotsPerPage = kPageSize / kSlotSize;
constexpr size_t kThunkSize = 12;
constexpr size_t kObjectOffset = 2;  // the push's operand
constexpr size_t kJumpOffset = 8;    // the jmp's operand (relative to the thunk's end)

struct Page {
  uint8_t* base = nullptr;
  std::bitset<kSlotsPerPage> used;
};

class Pool {
 public:
  Pool() = default;
  Pool(const Pool&) = delete;
  Pool& operator=(const Pool&) = delete;

  void* Make(void* object, const void* target) noexcept {
    qmthread::Hold hold(mutex_);
    uint8_t* slot = FreeSlot();
    if (!slot) return nullptr;
    uint8_t code[kSlotSize];
    std::memset(code, 0xCC, sizeof(code));  // int3 after the thunk
    code[0] = 0x58;
    code[1] = 0x68;
    uint32_t objectValue = reinterpret_cast<uintptr_t>(object);
    std::memcpy(code + kObjectOffset, &objectValue, 4);
    code[6] = 0x50;
    code[7] = 0xE9;
    int32_t relative = static_cast<int32_t>(reinterpret_cast<uintptr_t>(target) -
                                            reinterpret_cast<uintptr_t>(slot + kThunkSize));
    std::memcpy(code + kJumpOffset, &relative, 4);
    std::memcpy(slot, code, sizeof(code));
    FlushInstructionCache(GetCurrentProcess(), slot, kSlotSize);
    ++live_;
    return slot;
  }

  void Free(void* thunk) noexcept {
    if (!thunk) return;
    qmthread::Hold hold(mutex_);
    size_t slotIndex = 0;
    auto page = Locate(thunk, &slotIndex);
    if (page == pages_.end() || !page->used.test(slotIndex)) return;
    page->used.reset(slotIndex);
    std::memset(page->base + slotIndex * kSlotSize, 0xCC, kSlotSize);
    --live_;
    if (page->used.none()) {
      VirtualFree(page->base, 0, MEM_RELEASE);
      pages_.erase(page);
    }
  }

  void* ObjectOf(const void* code, const void* target) noexcept {
    qmthread::Hold hold(mutex_);
    size_t slotIndex = 0;
    auto page = Locate(code, &slotIndex);
    if (page == pages_.end() || !page->used.test(slotIndex)) return nullptr;
    const uint8_t* slot = page->base + slotIndex * kSlotSize;
    if (slot != code) return nullptr;
    int32_t relative = 0;
    std::memcpy(&relative, slot + kJumpOffset, 4);
    if (reinterpret_cast<uintptr_t>(slot + kThunkSize) + relative !=
        reinterpret_cast<uintptr_t>(target))
      return nullptr;
    uint32_t object = 0;
    std::memcpy(&object, slot + kObjectOffset, 4);
    return reinterpret_cast<void*>(static_cast<uintptr_t>(object));
  }

  size_t LiveCount() noexcept {
    qmthread::Hold hold(mutex_);
    return live_;
  }
  size_t PageCount() noexcept {
    qmthread::Hold hold(mutex_);
    return pages_.size();
  }

 private:
  uint8_t* FreeSlot() noexcept {
    for (Page& page : pages_) {
      if (page.used.all()) continue;
      for (size_t i = 0; i < kSlotsPerPage; ++i) {
        if (!page.used.test(i)) {
          page.used.set(i);
          return page.base + i * kSlotSize;
        }
      }
    }
    void* memory = VirtualAlloc(nullptr, kPageSize, MEM_COMMIT | MEM_RESERVE,
                                PAGE_EXECUTE_READWRITE);
    if (!memory) return nullptr;
    try {
      pages_.push_back(Page{static_cast<uint8_t*>(memory), {}});
    } catch (...) {
      VirtualFree(memory, 0, MEM_RELEASE);
      return nullptr;
    }
    pages_.back().used.set(0);
    return pages_.back().base;
  }

  std::vector<Page>::iterator Locate(const void* address, size_t* slotIndex) noexcept {
    auto at = reinterpret_cast<uintptr_t>(address);
    for (auto it = pages_.begin(); it != pages_.end(); ++it) {
      auto base = reinterpret_cast<uintptr_t>(it->base);
      if (at >= base && at < base + kPageSize) {
        *slotIndex = (at - base) / kSlotSize;
        return it;
      }
    }
    return pages_.end();
  }

  qmthread::Mutex mutex_;
  std::vector<Page> pages_;
  size_t live_ = 0;
};

// The pool lives until the process ends: owners destroyed by static destructors still
// give their thunks back, and a window may call its thunk until the very end. Each page
// goes back to the system as soon as its last thunk is freed.
Pool& ThePool() noexcept {
  static Pool* pool = new Pool;
  return *pool;
}
}  // namespace

namespace thunks {
void* Make(void* object, const void* target) noexcept { return ThePool().Make(object, target); }
void Free(void* thunk) noexcept { ThePool().Free(thunk); }
void* ObjectOf(const void* code, const void* target) noexcept {
  return ThePool().ObjectOf(code, target);
}
size_t LiveCount() noexcept { return ThePool().LiveCount(); }
size_t PageCount() noexcept { return ThePool().PageCount(); }
}  // namespace thunks
