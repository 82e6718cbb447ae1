// JSON text for the tools' machine-readable output.
#pragma once
#include <string>

namespace json {
// A JSON string literal (with quotes). Valid UTF-8 passes through; control characters,
// quotes and backslashes are escaped; bytes that are not valid UTF-8 are taken as
// Latin-1 and written as \u00XX, so the result is always valid JSON in UTF-8.
std::string Quote(const std::string& bytes);
}  // namespace json
