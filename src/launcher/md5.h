// MD5 message digest (RFC 1321), portable.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class Md5 {
 public:
  Md5();
  void Update(const void* data, size_t size);
  std::array<uint8_t, 16> Final();  // the digest; the object is then spent

 private:
  void Transform(const uint8_t* block);

  uint32_t state_[4];
  uint64_t length_ = 0;  // bytes hashed so far
  uint8_t buffer_[64];
  size_t buffered_ = 0;
};

// The digest of the bytes as 32 upper-case hexadecimal digits.
std::string Md5Hex(const std::string& bytes);
