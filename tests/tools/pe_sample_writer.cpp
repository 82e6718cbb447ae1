// pe_sample_writer KIND FILE: writes a sample for the quillpack shell tests, or
// (KIND probe) prints what a program shows of itself: its MAINICON group (and, in the
// Windows build, whether it loads), how many icon images it holds, version texts and whether its PE checksum is right. The Windows build reads through the platform's
// resource, version and image-help APIs; the native build through quillpack's reader.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "pe/icon_version.h"
#include "pe/le_bytes.h"
#include "pe_sample.h"

#ifdef _WIN32
#include <windows.h>
#include <imagehlp.h>
#include <shellapi.h>
#endif

namespace {
const char* const kKeys[] = {"FileDescription", "ProductName", "LegalCopyright", "FileVersion"};

int Write(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return out ? 0 : 2;
}

std::vector<uint8_t> Sample(const std::string& kind) {
  pesample::Options o;
  if (kind == "stub") {
    o.resources = pesample::ProgramResources(pe::ResourceId::Text("MAINICON"), 0xFFFF0000,
                                             {{"FileDescription", "Sample launcher"}, {"ProductName", "Launcher"}});
    pe::Resource manifest;
    manifest.type = pe::ResourceId::Number(24);
    manifest.name = pe::ResourceId::Number(1);
    manifest.data.assign(200, 'm');
    o.resources.push_back(manifest);
  } else if (kind == "program" || kind == "versionsource") {
    const bool program = kind == "program";
    o.resources = pesample::ProgramResources(
        pe::ResourceId::Number(7), program ? 0xFF0000FF : 0xFF00FF00,
        {{"FileDescription", program ? "Sample Program" : "Other Description"},
         {"ProductName", "Sample Suite"},
         {"LegalCopyright", "(c) Sample Makers"},
         {"FileVersion", "2.5.0.0"}});
  } else if (kind == "console") {
    o.subsystem = 3;
  } else if (kind == "dll") {
    o.dll = true;
  } else if (kind == "x64") {
    o.machine = 0x8664;
  } else if (kind == "ico") {
    return pesample::Ico(3, 0xFF00C000);
  } else if (kind != "plain") {
    return {};
  }
  return pesample::Image(o);
}

#ifdef _WIN32
std::wstring Wide(const std::string& s) {
  int n = MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, &w[0], n);
  w.resize(static_cast<size_t>(n - 1));
  return w;
}

BOOL CALLBACK CountResource(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) {
  ++*reinterpret_cast<unsigned*>(count);
  return TRUE;
}

int Probe(const std::string& path) {
  const std::wstring file = Wide(path);
  HMODULE module = LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return 3;
  if (HRSRC group = FindResourceW(module, L"MAINICON", MAKEINTRESOURCEW(14))) {
    HGLOBAL loaded = LoadResource(module, group);
    const uint8_t* data = static_cast<const uint8_t*>(LockResource(loaded));
    std::printf("icon MAINICON %u\n", SizeofResource(module, group) >= 6 ? unsigned(pe::le::U16(data + 4)) : 0u);
    if (HICON icon = static_cast<HICON>(LoadImageW(module, L"MAINICON", IMAGE_ICON, 32, 32, 0))) {
      std::printf("icon loads\n");
      DestroyIcon(icon);
    }
  }
  unsigned images = 0;
  EnumResourceNamesW(module, RT_ICON, CountResource, reinterpret_cast<LONG_PTR>(&images));
  std::printf("icon images %u\n", images);
  FreeLibrary(module);
  std::printf("shell icons %u\n", ExtractIconExW(file.c_str(), -1, nullptr, nullptr, 0));
  DWORD handle = 0, size = GetFileVersionInfoSizeW(file.c_str(), &handle);
  std::vector<uint8_t> info(size);
  if (size && GetFileVersionInfoW(file.c_str(), 0, size, info.data())) {
    for (const char* key : kKeys) {
      std::wstring query = L"\\StringFileInfo\\040904B0\\" + Wide(key);
      wchar_t* value = nullptr;
      UINT length = 0;
      if (VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) && value) {
        char text[512];
        WideCharToMultiByte(CP_UTF8, 0, value, -1, text, sizeof text, nullptr, nullptr);
        std::printf("%s=%s\n", key, text);
      }
    }
  }
  DWORD header = 0, computed = 0;
  if (MapFileAndCheckSumW(file.c_str(), &header, &computed) == CHECKSUM_SUCCESS)
    std::printf("checksum %s\n", header == computed ? "ok" : "wrong");
  return 0;
}
#else
int Probe(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const pe::Image image = pe::ParseImage(pe::MemoryReader(bytes), static_cast<int64_t>(bytes.size()));
  const std::vector<pe::Resource> resources = pe::ReadResources(pe::MemoryReader(bytes), image);
  unsigned images = 0;
  for (const pe::Resource& r : resources) {
    images += r.type == pe::ResourceId::Number(pe::kTypeIcon);
    if (r.type == pe::ResourceId::Number(pe::kTypeGroupIcon) && r.name == pe::ResourceId::Text("MAINICON"))
      std::printf("icon MAINICON %u\n", r.data.size() >= 6 ? unsigned(pe::le::U16(&r.data[4])) : 0u);
    pe::VersionInfo info;
    if (r.type == pe::ResourceId::Number(pe::kTypeVersion) && pe::ParseVersionInfo(r.data, info))
      for (const char* key : kKeys)
        if (!info.Get(key).empty()) std::printf("%s=%s\n", key, info.Get(key).c_str());
  }
  std::printf("icon images %u\n", images);
  pe::ChecksumBuilder sum(image.ChecksumOffset());
  sum.Add(bytes.data(), bytes.size());
  std::printf("checksum %s\n", pe::le::U32(&bytes[image.ChecksumOffset()]) == sum.Finish() ? "ok" : "wrong");
  return 0;
}
#endif
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: pe_sample_writer stub|program|versionsource|plain|console|dll|x64|ico|probe FILE\n");
    return 2;
  }
  const std::string kind = argv[1];
  try {
    if (kind == "probe") return Probe(argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 3;
  }
  const std::vector<uint8_t> bytes = Sample(kind);
  return bytes.empty() ? 2 : Write(argv[2], bytes);
}
