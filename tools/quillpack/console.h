// Console output of quillpack: results and errors kept apart from a progress line that
// is rewritten in place on stderr (arguments and plain output: common/console.h).
#pragma once
#include <string>

#include "common/console.h"

namespace console {
void Out(const std::string& utf8);  // standard output
void Err(const std::string& utf8);  // standard error
// Progress lines are rewritten in place on stderr; Out and Err clear them first.
void ProgressLine(const std::string& text);
void EndProgressLine();
}  // namespace console
