// Fixed-width upper-case hexadecimal text of a 32-bit value, without the C library's
// formatted printing (which would add tens of kilobytes to every packed program).
#pragma once
#include <cstdint>
#include <string>

// The value's lowest digits hexadecimal digits (at most 8), most significant first,
// in CharT (char or wchar_t).
template <class CharT = char>
std::basic_string<CharT> UpperHex(uint32_t value, int digits = 8) {
  std::basic_string<CharT> text(static_cast<size_t>(digits), CharT('0'));
  for (int i = digits - 1; i >= 0; --i, value >>= 4)
    text[static_cast<size_t>(i)] = static_cast<CharT>("0123456789ABCDEF"[value & 0xF]);
  return text;
}
