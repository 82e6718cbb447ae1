// quillpack list: the directory of an archive, as a table or as JSON.
#include <string>

#include "archive/zlb_archive.h"
#include "archive_text.h"
#include "args.h"
#include "command.h"
#include "console.h"
#include "common/json.h"
#include "progress.h"

namespace {
std::string Pad(const std::string& s, size_t width, bool right) {
  if (s.size() >= width) return s;
  std::string fill(width - s.size(), ' ');
  return right ? fill + s : s + fill;
}

// Control characters would break the table's lines; they show as "?".
std::string Printable(std::string s) {
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  return s;
}

std::string Json(const TZLBArc2& arc) {
  std::string out = "{\"version\": " + std::to_string(arc.Footer().Version) +
                    ", \"start\": " + std::to_string(arc.ArchiveStart()) + ", \"entries\": [";
  for (int i = 0; i < arc.FileCount(); ++i) {
    TZLBEntry e;
    arc.GetFileEntry(i, e);
    out += i ? ",\n  " : "\n  ";
    out += "{\"name\": " + json::Quote(e.Name) + ", \"path\": " + json::Quote(e.StoredPath) +
           ", \"size\": " + std::to_string(e.UncompressedSize) +
           ", \"packed\": " + std::to_string(archive_text::StoredSize(e)) +
           ", \"encrypted\": " + (archive_text::IsEncrypted(e) ? "true" : "false") +
           ", \"offset\": " + std::to_string(e.DataOffset) + ", \"crc\": \"" +
           archive_text::Hex8(e.ContentCRC) + "\", \"method\": " + std::to_string(e.Method) +
           ", \"level\": " + std::to_string(e.Level) + "}";
  }
  return out + (arc.FileCount() ? "\n]}\n" : "]}\n");
}

std::string Table(const TZLBArc2& arc) {
  std::string out = "Archive " + arc.FileName() + ": format version " +
                    std::to_string(arc.Footer().Version) + ", starts at byte " +
                    std::to_string(arc.ArchiveStart()) + ", " + std::to_string(arc.FileCount()) +
                    (arc.FileCount() == 1 ? " entry\n" : " entries\n");
  if (arc.FileCount() == 0) return out;
  out += Pad("Size", 12, true) + Pad("Packed", 12, true) + "  " + Pad("Method", 18, false) +
         Pad("Level", 9, false) + "CRC       Name\n";
  int64_t size = 0, packed = 0;
  for (int i = 0; i < arc.FileCount(); ++i) {
    TZLBEntry e;
    arc.GetFileEntry(i, e);
    size += e.UncompressedSize;
    packed += archive_text::StoredSize(e);
    out += Pad(std::to_string(e.UncompressedSize), 12, true) +
           Pad(std::to_string(archive_text::StoredSize(e)), 12, true) + "  " +
           Pad(archive_text::MethodName(e.Method), 18, false) +
           Pad(archive_text::LevelName(e.Level), 9, false) + archive_text::Hex8(e.ContentCRC) +
           "  " + Printable(archive_text::FullName(e)) + "\n";
  }
  out += Pad(std::to_string(size), 12, true) + Pad(std::to_string(packed), 12, true) + "  total\n";
  return out;
}

int RunList(const std::vector<std::string>& args) {
  ParsedArgs a = ParseArgs("list", args, {"--json"}, 1, 1);
  TZLBArc2 arc;
  {
    TerminalProgress progress(arc);
    arc.OpenArchive(a.positional[0]);
  }
  console::Out(a.flags.count("--json") ? Json(arc) : Table(arc));
  return 0;
}
}  // namespace

extern const Command kCommandList = {
    "list", "show the entries of an archive",
    "Usage: quillpack list [--json] ARCHIVE\n"
    "Shows the entries of ARCHIVE in directory order: size, stored size, storage\n"
    "method, compression level, content CRC-32 and stored path + name. The archive\n"
    "may stand behind other bytes (a payload appended to an executable). Opening\n"
    "checks the archive CRC; a damaged archive is an error.\n\n"
    "  --json   print one JSON object instead of the table:\n"
    "           {\"version\", \"start\", \"entries\": [{\"name\", \"path\", \"size\",\n"
    "           \"packed\", \"encrypted\", \"offset\", \"crc\", \"method\", \"level\"}]}\n"
    "           (\"start\": archive offset in the file; \"packed\": stored bytes;\n"
    "           \"offset\": data offset from the archive start; \"crc\": 8 hex digits)\n\n"
    "Exit status 0 on success, 1 on any error (the message goes to stderr).\n",
    RunList};
