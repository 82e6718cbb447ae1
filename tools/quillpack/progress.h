// Shows an archive component's progress on a terminal (stderr), never elsewhere.
#pragma once
#include <chrono>
#include <string>

class TZLBArc2;

class TerminalProgress {
 public:
  // Connects to archive.OnProgress when stderr is a terminal; otherwise does nothing.
  explicit TerminalProgress(TZLBArc2& archive);
  ~TerminalProgress();  // removes the line
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

 private:
  void Show(const std::string& msg, int percentage);
  TZLBArc2& archive_;
  bool active_ = false;
  std::string lastMsg_;
  int lastPercentage_ = -1;
  std::chrono::steady_clock::time_point lastShown_{};
};
