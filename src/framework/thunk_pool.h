// Executable thunks (Windows, 32-bit x86 only): tiny pieces of machine code that call a
// __stdcall procedure with one extra first argument, an object pointer. A window
// procedure or hook procedure can then reach the C++ object it belongs to without any
// lookup. The pool owns the executable pages the thunks live in.
//   thunks::Make        a thunk that calls target(object, original arguments...)
//   thunks::Free        gives a thunk back to the pool
//   thunks::ObjectOf    the object of a live thunk of this pool with that target
#pragma once
#include <cstddef>

namespace thunks {
// A thunk that, when called as a __stdcall function with arguments a, b, ..., calls
// target(object, a, b, ...); target must be __stdcall with one more argument than the
// thunk's callers pass. Returns null when no executable memory could be had.
void* Make(void* object, const void* target) noexcept;
// Returns a thunk made by Make to the pool; null is ignored. The caller makes sure no
// one calls the thunk afterwards.
void Free(void* thunk) noexcept;
// The object of code when code is a live thunk of this pool calling target; else null.
void* ObjectOf(const void* code, const void* target) noexcept;
// Live thunks and executable pages held (for leak tests).
size_t LiveCount() noexcept;
size_t PageCount() noexcept;
}  // namespace thunks
