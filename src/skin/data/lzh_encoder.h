// LZHUF encoder for skin files (used by the quillskin tool): produces bit streams
// that TLZH decodes back exactly. Matches are found with binary search trees over the
// 4096-byte ring, as in the classic algorithm.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Returns the LZHUF bit stream of data (without the 4-byte length of a skin file).
std::vector<uint8_t> LzhEncode(const uint8_t* data, size_t size);
