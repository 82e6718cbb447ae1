// TRunMessages: a message-only window (no screen, no frame) through which the run's
// worker thread reaches the window's thread. It is made before the main window and its
// handle never changes, so the worker can post to it while the main window is still
// being made, or made again by the skin. One owner, uncopyable; GUI thread only.
#pragma once
#include <windows.h>

#include <functional>

class TRunMessages {
 public:
  // Gets every message posted to the window; made on the calling thread.
  explicit TRunMessages(std::function<void(UINT message)> handler);
  TRunMessages(const TRunMessages&) = delete;
  TRunMessages& operator=(const TRunMessages&) = delete;
  ~TRunMessages();

  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

  std::function<void(UINT message)> handler_;
  HWND window_ = nullptr;
};
