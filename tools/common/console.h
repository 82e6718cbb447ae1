// Console input and output shared by the command-line tools: UTF-8 arguments and text
// on every platform (wide-character console calls on Windows, stdio natively).
#pragma once
#include <string>
#include <vector>

namespace console {
// The program's arguments without the program name, as UTF-8 (on Windows taken from
// the wide command line, so names outside the ANSI code page survive).
std::vector<std::string> Arguments(int argc, char** argv);
// Text to standard output as it is; to standard error after what standard output holds.
void WriteOut(const std::string& utf8);
void WriteErr(const std::string& utf8);
bool ErrIsTerminal();
}  // namespace console
