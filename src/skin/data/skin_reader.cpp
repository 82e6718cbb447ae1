// TSkinReader: loads a skin file from memory and serves its entries by name.
#include "skin/data/skin_reader.h"

#include "framework/path_text.h"
#include "skin/data/lzh.h"

const char* const kOldSkinMessage = "This is Older Skin File\rPlease update to new version !";

void TSkinReader::Fail(SkinLoadStatus status, std::string message) {
  status_ = status;
  message_ = std::move(message);
}

bool TSkinReader::LoadPackage(TMemoryStream& skin_file) {
  return LoadPackage(skin_file.Bytes().data(), skin_file.Bytes().size());
}

bool TSkinReader::LoadPackage(const uint8_t* skin_file, size_t size) {
  std::vector<uint8_t> bytes;
  std::string message;
  SkinLoadStatus status;
  try {
    status = DecompressSkinFile(skin_file, size, bytes, message);
  } catch (const ElzhException& e) {
    status = SkinLoadStatus::TooLarge;
    message = e.what();
  }
  if (status != SkinLoadStatus::Ok) {
    Fail(status, message);
    return false;
  }
  TSkinPackage parsed;
  status = ParseSkinPackage(std::move(bytes), parsed, message);
  if (status == SkinLoadStatus::OldFormat) {
    package_.header = parsed.header;
    Fail(status, kOldSkinMessage);
    return false;
  }
  if (status != SkinLoadStatus::Ok) {
    Fail(status, message);
    return false;
  }
  package_ = std::move(parsed);
  status_ = SkinLoadStatus::Ok;
  message_.clear();
  return true;
}

bool TSkinReader::Decompress(TMemoryStream& input, TMemoryStream& output) {
  input.Seek(0);
  output.Seek(0);
  std::vector<uint8_t> bytes;
  std::string message;
  try {
    if (DecompressSkinFile(input.Bytes().data(), input.Bytes().size(), bytes, message) !=
        SkinLoadStatus::Ok) {
      return false;
    }
  } catch (const ElzhException&) {
    return false;
  }
  output.Write(bytes.data(), bytes.size());
  return true;
}

bool TSkinReader::EntryBytes(int index, const uint8_t*& data, size_t& size) const {
  data = nullptr;
  size = 0;
  if (index < 0 || index >= EntryCount()) return false;
  const int64_t offset = package_.offsets[index];
  const int64_t length = package_.sizes[index];
  const int64_t available = static_cast<int64_t>(package_.data.size());
  if (offset > available || length > available - offset) return false;
  data = package_.data.data() + offset;
  size = static_cast<size_t>(length);
  return true;
}

int TSkinReader::IndexOf(const std::string& lower_case_name) const {
  for (size_t i = 0; i < package_.names.size(); ++i) {
    if (package_.names[i] == lower_case_name) return static_cast<int>(i);
  }
  return -1;
}

namespace {
void WriteEntry(const TSkinReader& reader, int index, TMemoryStream& output) {
  output.SetSize(0);
  output.Seek(0);
  const uint8_t* data;
  size_t size;
  if (reader.EntryBytes(index, data, size) && size > 0) output.Write(data, size);
  output.Seek(0);
}
}  // namespace

void TSkinReader::GetEntry(const std::string& name, TMemoryStream& output) const {
  WriteEntry(*this, IndexOf(LowerAscii(name)), output);
}

bool TSkinReader::FindEntry(const std::string& text, TMemoryStream& output,
                            std::string& entry_name) const {
  for (size_t i = 0; i < package_.names.size(); ++i) {
    if (package_.names[i].find(text) != std::string::npos) {
      entry_name = package_.names[i];
      WriteEntry(*this, static_cast<int>(i), output);
      return true;
    }
  }
  WriteEntry(*this, -1, output);
  return false;
}
