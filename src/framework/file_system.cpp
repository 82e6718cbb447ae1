// File-system seam: Win32 implementation on Windows, POSIX natively.
#include "framework/file_system.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>

#include "framework/wide.h"

namespace {
HANDLE AsHandle(void* h) { return static_cast<HANDLE>(h); }
}  // namespace

FileHandle FileHandle::Open(const std::string& path, FileMode mode) {
  FileHandle f;
  DWORD access = GENERIC_READ, share = FILE_SHARE_READ, disposition = OPEN_EXISTING;
  if (mode == FileMode::Create) {
    access |= GENERIC_WRITE;
    share = 0;
    disposition = CREATE_ALWAYS;
  } else if (mode == FileMode::ReadWrite) {
    access |= GENERIC_WRITE;
    share = 0;
  } else if (mode == FileMode::CreateNew) {
    access |= GENERIC_WRITE;
    share = 0;
    disposition = CREATE_NEW;
  }
  f.handle_ = CreateFileW(Widen(path).c_str(), access, share, nullptr, disposition,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
  return f;
}

FileHandle::FileHandle(FileHandle&& other) noexcept : handle_(other.handle_) {
  other.handle_ = INVALID_HANDLE_VALUE;
}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
  if (this != &other) {
    Close();
    handle_ = other.handle_;
    other.handle_ = INVALID_HANDLE_VALUE;
  }
  return *this;
}

FileHandle::~FileHandle() { Close(); }
bool FileHandle::IsOpen() const { return AsHandle(handle_) != INVALID_HANDLE_VALUE; }

void FileHandle::Close() {
  if (IsOpen()) CloseHandle(AsHandle(handle_));
  handle_ = INVALID_HANDLE_VALUE;
}

size_t FileHandle::Read(void* buffer, size_t count) {
  DWORD got = 0;
  if (!ReadFile(AsHandle(handle_), buffer, static_cast<DWORD>(count), &got, nullptr)) return 0;
  return got;
}

bool FileHandle::Write(const void* buffer, size_t count) {
  const auto* p = static_cast<const char*>(buffer);
  while (count > 0) {
    DWORD put = 0;
    if (!WriteFile(AsHandle(handle_), p, static_cast<DWORD>(count), &put, nullptr) || put == 0)
      return false;
    p += put;
    count -= put;
  }
  return true;
}

bool FileHandle::Seek(int64_t position) {
  LARGE_INTEGER to;
  to.QuadPart = position;
  return position >= 0 && SetFilePointerEx(AsHandle(handle_), to, nullptr, FILE_BEGIN);
}

int64_t FileHandle::Position() const {
  LARGE_INTEGER zero{}, at{};
  if (!SetFilePointerEx(AsHandle(handle_), zero, &at, FILE_CURRENT)) return -1;
  return at.QuadPart;
}

int64_t FileHandle::Size() const {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(AsHandle(handle_), &size)) return -1;
  return size.QuadPart;
}

bool FileHandle::Truncate(int64_t size) {
  int64_t keep = Position();
  if (!Seek(size) || !SetEndOfFile(AsHandle(handle_))) return false;
  return Seek(std::min(keep, size));
}

namespace fsys {
bool FileExists(const std::string& path) {
  DWORD a = GetFileAttributesW(Widen(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}
bool FolderExists(const std::string& path) {
  DWORD a = GetFileAttributesW(Widen(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}
bool PathExists(const std::string& path) {
  return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}
bool CreateFolders(const std::string& path) {
  if (path.empty()) return false;
  if (FolderExists(path)) return true;
  std::string trimmed = path;
  while (trimmed.size() > 1 && (trimmed.back() == '\\' || trimmed.back() == '/')) trimmed.pop_back();
  size_t cut = trimmed.find_last_of("\\/");
  if (cut != std::string::npos && cut > 0) {
    std::string parent = trimmed.substr(0, cut);
    if (!(parent.size() == 2 && parent[1] == ':')) CreateFolders(parent);
  }
  CreateDirectoryW(Widen(trimmed).c_str(), nullptr);
  return FolderExists(trimmed);
}
bool RemoveFile(const std::string& path) { return DeleteFileW(Widen(path).c_str()) != 0; }
bool RemoveFolder(const std::string& path) { return RemoveDirectoryW(Widen(path).c_str()) != 0; }
bool MoveReplace(const std::string& from, const std::string& to) {
  return MoveFileExW(Widen(from).c_str(), Widen(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH | MOVEFILE_COPY_ALLOWED) != 0;
}
int64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
std::vector<FolderItem> ListFolder(const std::string& folder) {
  std::vector<FolderItem> items;
  std::string pattern = folder;
  if (!pattern.empty() && pattern.back() != '\\') pattern += '\\';
  pattern += "*.*";
  WIN32_FIND_DATAW found;
  HANDLE h = FindFirstFileW(Widen(pattern).c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return items;
  do {
    std::string name = Narrow(found.cFileName);
    if (name == "." || name == "..") continue;
    items.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(h, &found));
  FindClose(h);
  return items;
}
std::string TempFolder() {
  wchar_t buffer[MAX_PATH + 1];
  DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
  std::string path = (n > 0 && n <= MAX_PATH) ? Narrow(std::wstring(buffer, n)) : std::string("C:\\");
  if (path.back() != '\\') path += '\\';
  return path;
}
std::string CreateTempFile(const std::string& folder, const std::string& prefix) {
  std::string dir = folder.empty() ? TempFolder() : folder;
  wchar_t name[MAX_PATH + 1];
  if (!GetTempFileNameW(Widen(dir).c_str(), Widen(prefix).c_str(), 0, name)) return {};
  return Narrow(name);
}
std::string CurrentFolder() {
  wchar_t buffer[MAX_PATH + 1];
  DWORD n = GetCurrentDirectoryW(MAX_PATH + 1, buffer);
  return (n > 0 && n <= MAX_PATH) ? Narrow(std::wstring(buffer, n)) : std::string();
}
char Separator() { return '\\'; }
}  // namespace fsys

#else  // POSIX
#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Archive and launcher code writes "\" between folders; natively that is "/".
std::string Native(const std::string& path) {
  std::string p = path;
  std::replace(p.begin(), p.end(), '\\', '/');
  return p;
}

// The process's file-creation mask, read once (umask can only be read by setting it).
mode_t ProcessUmask() {
  static const mode_t mask = [] {
    const mode_t m = umask(022);
    umask(m);
    return m;
  }();
  return mask;
}
}  // namespace

FileHandle FileHandle::Open(const std::string& path, FileMode mode) {
  FileHandle f;
  int flags = O_RDONLY;
  if (mode == FileMode::Create) flags = O_RDWR | O_CREAT | O_TRUNC;
  if (mode == FileMode::ReadWrite) flags = O_RDWR;
  if (mode == FileMode::CreateNew) flags = O_RDWR | O_CREAT | O_EXCL;
  f.fd_ = ::open(Native(path).c_str(), flags | O_CLOEXEC, 0666);
  if (f.fd_ >= 0) {
    struct stat st;
    if (fstat(f.fd_, &st) != 0 || S_ISDIR(st.st_mode)) f.Close();
  }
  return f;
}

FileHandle::FileHandle(FileHandle&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

FileHandle::~FileHandle() { Close(); }
bool FileHandle::IsOpen() const { return fd_ >= 0; }

void FileHandle::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

size_t FileHandle::Read(void* buffer, size_t count) {
  for (;;) {
    ssize_t got = ::read(fd_, buffer, count);
    if (got >= 0) return static_cast<size_t>(got);
    if (errno != EINTR) return 0;
  }
}

bool FileHandle::Write(const void* buffer, size_t count) {
  const auto* p = static_cast<const char*>(buffer);
  while (count > 0) {
    ssize_t put = ::write(fd_, p, count);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    p += put;
    count -= static_cast<size_t>(put);
  }
  return true;
}

bool FileHandle::Seek(int64_t position) {
  return position >= 0 && ::lseek(fd_, static_cast<off_t>(position), SEEK_SET) == position;
}
int64_t FileHandle::Position() const { return ::lseek(fd_, 0, SEEK_CUR); }

int64_t FileHandle::Size() const {
  struct stat st;
  if (fstat(fd_, &st) != 0) return -1;
  return st.st_size;
}

bool FileHandle::Truncate(int64_t size) {
  if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) return false;
  if (Position() > size) return Seek(size);
  return true;
}

namespace fsys {
bool FileExists(const std::string& path) {
  struct stat st;
  return stat(Native(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}
bool FolderExists(const std::string& path) {
  struct stat st;
  return !path.empty() && stat(Native(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
bool PathExists(const std::string& path) {
  struct stat st;
  return stat(Native(path).c_str(), &st) == 0;
}
bool CreateFolders(const std::string& path) {
  std::string p = Native(path);
  if (p.empty()) return false;
  for (size_t i = 1; i <= p.size(); ++i) {
    if (i == p.size() || p[i] == '/') {
      std::string part = p.substr(0, i);
      if (!part.empty() && part.back() != '/') ::mkdir(part.c_str(), 0755);
    }
  }
  return FolderExists(p);
}
bool RemoveFile(const std::string& path) { return ::unlink(Native(path).c_str()) == 0; }
bool RemoveFolder(const std::string& path) { return ::rmdir(Native(path).c_str()) == 0; }
bool MoveReplace(const std::string& from, const std::string& to) {
  return ::rename(Native(from).c_str(), Native(to).c_str()) == 0;
}
int64_t FileSize(const std::string& path) {
  struct stat st;
  if (stat(Native(path).c_str(), &st) != 0) return -1;
  return st.st_size;
}
std::vector<FolderItem> ListFolder(const std::string& folder) {
  std::vector<FolderItem> items;
  std::string dir = Native(folder);
  DIR* d = opendir(dir.empty() ? "." : dir.c_str());
  if (!d) return items;
  while (dirent* e = readdir(d)) {
    std::string name = e->d_name;
    if (name == "." || name == "..") continue;
    items.push_back({name, FolderExists(dir + "/" + name)});
  }
  closedir(d);
  return items;
}
std::string TempFolder() {
  const char* t = getenv("TMPDIR");
  std::string path = (t && *t) ? t : "/tmp";
  if (path.back() != '/') path += '/';
  return path;
}
std::string CreateTempFile(const std::string& folder, const std::string& prefix) {
  std::string dir = folder.empty() ? TempFolder() : Native(folder);
  if (dir.back() != '/') dir += '/';
  std::string pattern = dir + prefix + "XXXXXX";
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  int fd = mkstemp(buffer.data());
  if (fd < 0) return {};
  // mkstemp makes the file private (0600); archives and extracted files are moved into
  // place from such files and should get the permissions a new file usually gets.
  fchmod(fd, 0666 & ~ProcessUmask());
  ::close(fd);
  return std::string(buffer.data());
}
std::string CurrentFolder() {
  char buffer[4096];
  return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}
char Separator() { return '/'; }
}  // namespace fsys
#endif
