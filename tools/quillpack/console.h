// Console input and output of quillpack: UTF-8 arguments and text on every platform.
#pragma once
#include <string>
#include <vector>

namespace console {
// The program's arguments without the program name, as UTF-8 (on Windows taken from
// the wide command line, so names outside the ANSI code page survive).
std::vector<std::string> Arguments(int argc, char** argv);
void Out(const std::string& utf8);  // standard output
void Err(const std::string& utf8);  // standard error
bool ErrIsTerminal();                // progress is shown only then
// Progress lines are rewritten in place on stderr; these keep other output apart.
void ProgressLine(const std::string& text);
void EndProgressLine();
}  // namespace console
