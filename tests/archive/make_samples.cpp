// archive_samples DIR: writes the sample archives of the quillpack checks and, in
// DIR/seeds, the seed inputs of the archive fuzzer (one option byte + an archive).
#include <algorithm>
#include <cstdio>
#include <string>

#include "archive_builder.h"
#include "framework/file_system.h"

using testarc::Bytes;
using testarc::Item;
using testarc::Options;

namespace {
std::string Text(int lines) {
  std::string s;
  for (int i = 0; i < lines; ++i) s += "entry line " + std::to_string(i % 97) + "\r\n";
  return s;
}

void Seed(const std::string& dir, const std::string& name, uint8_t flags, const Bytes& archive) {
  Bytes input(archive.size() + 1);
  input[0] = flags;
  std::copy(archive.begin(), archive.end(), input.begin() + 1);
  testarc::WriteFile(dir + "seeds\\" + name, input);
}
// A payload behind PE headers whose security directory names a certificate table at
// the end, after two bytes of padding (as signing tools leave it): the fuzzer's way
// into the reader's search for the archive's end.
Bytes SignedPayload(const std::vector<Item>& items) {
  constexpr size_t kPe = 0x40, kSecurity = kPe + 24 + 96 + 32;
  std::string headers(0x200, '\0');
  headers[0] = 'M';
  headers[1] = 'Z';
  headers[0x3C] = static_cast<char>(kPe);
  headers.replace(kPe, 4, std::string("PE\0\0", 4));
  headers[kPe + 4] = 0x4C;
  headers[kPe + 5] = 0x01;
  headers[kPe + 20] = static_cast<char>(224);
  headers[kPe + 24] = 0x0B;
  headers[kPe + 25] = 0x01;
  headers[kPe + 24 + 92] = 16;
  Options o;
  o.prefix = headers;
  Bytes file = testarc::Build(items, o);
  file.insert(file.end(), 2, 0);
  const uint32_t table = static_cast<uint32_t>(file.size()), size = 24;
  const uint8_t certificate[8] = {size, 0, 0, 0, 0x00, 0x02, 0x02, 0x00};
  file.insert(file.end(), certificate, certificate + 8);
  file.insert(file.end(), size - 8, 0x30);
  for (int i = 0; i < 4; ++i) {
    file[kSecurity + i] = static_cast<uint8_t>(table >> (8 * i));
    file[kSecurity + 4 + i] = static_cast<uint8_t>(size >> (8 * i));
  }
  return file;
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: archive_samples DIR\n");
    return 1;
  }
  std::string dir = std::string(argv[1]) + "\\";
  fsys::CreateFolders(dir + "seeds");
  const std::vector<Item> payload = {{"app.data", "", "1\r\n2\r\n3\r\nprog.exe\r\nFalse\r\n", smStored},
                                     {"prog.exe", "", Text(400), smCompressed, fcMaximum},
                                     {"notes \"quoted\"\t.txt", "docs\\", "caf\xc3\xa9 \x01", smStored}};
  Options exe;
  exe.prefix = "MZ" + std::string(998, '\0');
  Bytes payloadBytes = testarc::Build(payload, exe);
  testarc::WriteFile(dir + "payload.exe", payloadBytes);

  Options legacy;
  legacy.version = 1;
  std::vector<Item> plainNames = payload;  // names every file system accepts
  plainNames[2].name = "readme.txt";
  Bytes legacyBytes = testarc::Build(plainNames, legacy);
  testarc::WriteFile(dir + "legacy.zlb", legacyBytes);

  Options badContent;  // archive CRC sound, one entry's content CRC wrong
  badContent.editRecords = [](std::vector<TZLBEntry>& r) { r[1].ContentCRC ^= 0x10; };
  testarc::WriteFile(dir + "badcontent.zlb", testarc::Build(plainNames, badContent));

  Bytes damaged = payloadBytes;  // one data byte changed: the archive CRC fails
  damaged[1000 + 60] ^= 0x55;
  testarc::WriteFile(dir + "damaged.zlb", damaged);

  const std::vector<Item> hostile = {{"evil.txt", "..\\..\\", "climb", smStored},
                                     {"..\\evil2.txt", "", "name climb", smStored},
                                     {"good.txt", "in\\", "fine", smStored}};
  Bytes hostileBytes = testarc::Build(hostile);
  testarc::WriteFile(dir + "hostile.zlb", hostileBytes);

  Options raw;
  raw.compressDirectory = false;
  const std::vector<Item> encrypted = {{"c.bin", "", Text(50), smCompressedEncrypted},
                                       {"s.bin", "x\\", "plain", smStoredEncrypted}};
  Seed(dir, "payload", 0x06, payloadBytes);
  Seed(dir, "payload_crc", 0x07, payloadBytes);
  Seed(dir, "legacy", 0x06, legacyBytes);
  Seed(dir, "hostile", 0x02, hostileBytes);
  Seed(dir, "raw_directory", 0x06, testarc::Build(payload, raw));
  Seed(dir, "encrypted", 0x06, testarc::Build(encrypted));
  Seed(dir, "empty", 0x01, testarc::Build({}));
  Seed(dir, "signed", 0x07, SignedPayload(payload));
  return 0;
}
