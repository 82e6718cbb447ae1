// Shared types of the archive component: compression levels, the in-memory entry
// record (always the current version-2 form), the footer, the event types and the
// component's exception.
#pragma once
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

class TStream;

enum TFileCompressionLevel : uint8_t { fcNone = 0, fcFastest = 1, fcDefault = 2, fcMaximum = 3 };

// zlib level for a level ordinal (0, 1, -1, 9).
int ZlibLevel(TFileCompressionLevel level);

enum TStorageMethod : uint8_t {
  smCompressed = 0,           // zlib stream
  smStored = 1,               // raw copy
  smCompressedEncrypted = 2,  // zlib stream, then encrypted
  smStoredEncrypted = 3,      // raw copy, then encrypted
};

// One directory record.
struct TZLBEntry {
  // Out of line: copying, moving and destroying two strings inline at every use is
  // sizeable code.
  TZLBEntry();
  TZLBEntry(const TZLBEntry&);
  TZLBEntry(TZLBEntry&&) noexcept;
  TZLBEntry& operator=(const TZLBEntry&);
  TZLBEntry& operator=(TZLBEntry&&) noexcept;
  ~TZLBEntry();

  std::string Name;        // file name without folder, at most 255 bytes
  std::string StoredPath;  // folder part, empty or ending in "\", at most 255 bytes
  int64_t UncompressedSize = 0;
  int64_t CompressedSize = 0;  // 0 when stored raw
  int64_t EncryptedSize = 0;   // 0 when not encrypted
  int64_t DataOffset = 0;      // relative to the archive start
  uint32_t ContentCRC = 0;
  uint8_t Method = smCompressed;
  uint8_t Level = fcNone;
};

// The 36-byte footer, decoded (legacy footers are converted on reading).
struct TZLBFooter {
  uint32_t ArchiveCRC = 0;
  int32_t EntryCount = 0;
  uint32_t Version = 0;
  int32_t DirectorySize = 0;
  int64_t DataSize = 0;
  bool DirectoryCompressed = false;
};

class EZLBError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Events, in the component's style (method pointers become std::function).
using TNotifyEvent = std::function<void(class TZLBArc2* sender)>;
using TReplaceFileEvent = std::function<void(const std::string& fileName, bool& replace)>;
using TFileExtractedEvent = std::function<void(const std::string& fileName)>;
using TErrorLogEvent = std::function<void(const std::string& msg)>;
using TProgressEvent = std::function<void(const std::string& msg, int percentage)>;
using TStreamDecryptEvent = std::function<void(TStream& in, TStream& out, uint32_t size,
                                               const std::string& password)>;
using TStreamEncryptEvent =
    std::function<void(TStream& in, TStream& out, const std::string& password)>;
// Path and name may be changed in place (up to 255 bytes each are kept).
using TFileAddUpdateEvent = std::function<void(std::string& path, std::string& name)>;
