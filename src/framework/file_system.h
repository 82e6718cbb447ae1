// The file-system seam: the few file and folder operations the portable code needs,
// implemented with Win32 calls on Windows and POSIX calls natively. Paths are UTF-8;
// "\" separates folders on both (the native side also accepts "/").
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class FileMode {
  Read,       // existing file, read only; others may read but not write
  Create,     // create or truncate, read and write; exclusive
  ReadWrite,  // existing file, read and write; exclusive
  CreateNew,  // a new file (fails when the name exists), read and write; exclusive
};

// One open file; uncopyable, movable, closed by the destructor.
class FileHandle {
 public:
  FileHandle() = default;
  static FileHandle Open(const std::string& path, FileMode mode);
  FileHandle(FileHandle&& other) noexcept;
  FileHandle& operator=(FileHandle&& other) noexcept;
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle();

  bool IsOpen() const;
  void Close();
  size_t Read(void* buffer, size_t count);  // bytes read; 0 at the end or on error
  bool Write(const void* buffer, size_t count);
  bool Seek(int64_t position);
  int64_t Position() const;
  int64_t Size() const;
  bool Truncate(int64_t size);

 private:
#ifdef _WIN32
  void* handle_ = reinterpret_cast<void*>(static_cast<intptr_t>(-1));
#else
  int fd_ = -1;
#endif
};

struct FolderItem {
  std::string name;
  bool is_folder = false;
};

namespace fsys {
bool FileExists(const std::string& path);    // an existing file (not a folder)
bool FolderExists(const std::string& path);
bool PathExists(const std::string& path);    // file or folder
bool CreateFolders(const std::string& path);  // with all missing parents; true if it exists after
bool RemoveFile(const std::string& path);
bool RemoveFolder(const std::string& path);  // an empty folder
// Moves from over to, replacing to in one step: to keeps its old content until the
// new one is complete in its place.
bool MoveReplace(const std::string& from, const std::string& to);
int64_t FileSize(const std::string& path);  // -1 when it cannot be read
// Every item of a folder except "." and "..", hidden and system items included.
std::vector<FolderItem> ListFolder(const std::string& folder);
// The system's temporary folder, ending in the separator.
std::string TempFolder();
// A new, empty, uniquely named file in folder (the temporary folder when empty);
// returns its name, or empty on failure.
std::string CreateTempFile(const std::string& folder, const std::string& prefix);
std::string CurrentFolder();
// The folder separator of this build ("\" on Windows, "/" natively).
char Separator();
}  // namespace fsys
