// Console output around the progress line.
#include "console.h"

namespace console {
namespace {
size_t progressWidth = 0;  // characters of the progress line now on screen; 0: none
}  // namespace

void Out(const std::string& utf8) {
  EndProgressLine();
  WriteOut(utf8);
}

void Err(const std::string& utf8) {
  EndProgressLine();
  WriteErr(utf8);
}

void ProgressLine(const std::string& text) {
  std::string line = "\r" + text;
  if (text.size() < progressWidth) line += std::string(progressWidth - text.size(), ' ');
  WriteErr(line);
  progressWidth = text.size();
}

void EndProgressLine() {
  if (progressWidth == 0) return;
  WriteErr("\r" + std::string(progressWidth, ' ') + "\r");
  progressWidth = 0;
}
}  // namespace console
