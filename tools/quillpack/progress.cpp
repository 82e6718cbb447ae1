// Terminal progress: one line on stderr, rewritten at most ten times a second.
#include "progress.h"

#include "archive/zlb_archive.h"
#include "console.h"

TerminalProgress::TerminalProgress(TZLBArc2& archive) : archive_(archive) {
  if (!console::ErrIsTerminal()) return;
  active_ = true;
  archive_.OnProgress = [this](const std::string& msg, int percentage) { Show(msg, percentage); };
}

TerminalProgress::~TerminalProgress() {
  if (!active_) return;
  archive_.OnProgress = nullptr;
  console::EndProgressLine();
}

void TerminalProgress::Show(const std::string& msg, int percentage) {
  if (msg == lastMsg_ && percentage == lastPercentage_) return;
  auto now = std::chrono::steady_clock::now();
  bool sameMsg = msg == lastMsg_;
  if (sameMsg && percentage != 100 && now - lastShown_ < std::chrono::milliseconds(100)) return;
  lastMsg_ = msg;
  lastPercentage_ = percentage;
  lastShown_ = now;
  // The idle notification carries the archive's name and 0: nothing to show.
  if (msg == archive_.FileName() && percentage == 0) {
    console::EndProgressLine();
    return;
  }
  std::string text = msg;
  if (text.size() > 66) text = "..." + text.substr(text.size() - 63);
  console::ProgressLine(text + "  " + std::to_string(percentage) + "%");
}
