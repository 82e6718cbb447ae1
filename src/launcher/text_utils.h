// Text helpers of the launcher (portable): joining, replacement, path pieces, Boolean
// text. The letter-case helpers and file names are in framework/path_text.h.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

// The pieces one after another: one call where a chain of "+" would build a temporary
// text at every step.
std::string Joined(std::initializer_list<std::string_view> pieces);

// Every occurrence of from replaced by to, searched case-sensitively from left to
// right; replaced text is not searched again. An empty from changes nothing.
std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to);
// The extension with its dot: the text from the last "." after the last "\", "/" or
// ":"; empty when there is none.
std::string ExtractFileExt(const std::string& path);
std::string IncludeTrailingBackslash(const std::string& path);
std::string ExcludeTrailingBackslash(const std::string& path);
// Boolean text: an integer (0 is false, anything else true, decimal or hexadecimal
// with "$" or "0x") or "True"/"False" in any letter case. Returns false for other text.
bool TryStrToBool(const std::string& text, bool& value);
