// Texts and figures about entries shared by the commands (method names, stored size).
#pragma once
#include <cstdint>
#include <string>

#include "archive/archive_types.h"

namespace archive_text {
std::string MethodName(uint8_t method);  // "deflate", "stored", ... or "method N"
std::string LevelName(uint8_t level);    // "none", "fastest", "default", "maximum" or a number
bool IsEncrypted(const TZLBEntry& entry);
int64_t StoredSize(const TZLBEntry& entry);  // bytes the entry occupies in the data region
std::string FullName(const TZLBEntry& entry);  // stored path followed by name
std::string Hex8(uint32_t value);              // 8 lower-case hexadecimal digits
}  // namespace archive_text
