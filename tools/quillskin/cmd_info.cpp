// quillskin info: what the skin data component builds from a skin file (entries, skin
// objects, caption buttons, colours), with warnings for skin authors. Windows only: the
// skin objects are GDI bitmaps; the native tool says so.
#include <string>
#include <vector>

#include "common/json.h"
#include "command.h"
#include "tool_args.h"

#ifdef _WIN32
#include <cstdio>

#include "skin/data/skin_data.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_reader.h"
#include "tool_files.h"
#endif

namespace {

const char kHelp[] =
    "Usage: quillskin info [--json] SKIN.skn\n"
    "\n"
    "Reads a skin file as the launcher's skin engine does and shows what it builds:\n"
    "  - the entries of the skin package (name, size);\n"
    "  - every skin object that exists: name, class, Frame, cell layout (across or\n"
    "    down), the margins LeftWidth, TopHeight, RightWidth, BottomHeight, Trans, Tile,\n"
    "    Style, image size and, for the classes that have one, the second image's size;\n"
    "    for Buttons also RadioButtonFrame, CheckButtonFrame and the check-box and\n"
    "    radio-button image sizes. Derived objects (ComboxArrow, Toolbar) and the\n"
    "    built-in TRACK and TRACKVERT appear like any other;\n"
    "  - the caption buttons (the skin's, then the three MDI buttons): Action, Align,\n"
    "    Xcoord, Ycoord, Visibility, Visibility1, Frame and image size;\n"
    "  - the colour table, TitleColour and the COLOUR sections included, as 8-digit\n"
    "    hexadecimal values (FF0000xx is a system colour, else 00BBGGRR).\n"
    "\n"
    "Options:\n"
    "  --json   print one JSON object instead of text (warnings are in it too)\n"
    "\n"
    "Warnings on stderr: an image key whose value is not a lower-case .bmp name, names\n"
    "no entry, or names an entry that is no readable BMP; an image whose width (height\n"
    "for cells laid down) does not divide into its cell count.\n"
    "Exit status 1 when the skin is not loaded: the message the launcher would show in a\n"
    "box (such as the one for a skin file of an older format) is printed on stderr.\n"
    "Needs the Windows build (quillskin.exe).\n";

#ifdef _WIN32

struct Report {
  std::vector<std::string> warnings;
};

std::string ShownMessage(std::string message) {
  for (char& c : message) {
    if (c == '\r') c = '\n';
  }
  return message;
}

std::string Hex8(TColor colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(colour));
  return text;
}

std::string SizeText(const TBitmap& image) {
  return std::to_string(image.Width()) + "x" + std::to_string(image.Height());
}

std::string Pad(const std::string& text, size_t width) {
  return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}
std::string PadLeft(const std::string& text, size_t width) {
  return text.size() >= width ? " " + text : std::string(width - text.size(), ' ') + text;
}
std::string Num(int value, size_t width) { return PadLeft(std::to_string(value), width); }

std::string JsonSize(const TBitmap& image) {
  return "{\"Width\": " + std::to_string(image.Width()) +
         ", \"Height\": " + std::to_string(image.Height()) + "}";
}

const TBitmap* SecondImage(const TDataSkinObject& object) {
  if (auto* border = dynamic_cast<const TDataSkinBorder*>(&object)) return &border->Image2;
  return nullptr;
}

// Warns when an image does not divide into its cells.
void CheckCells(const std::string& what, const TBitmap& image, int cells, bool stacked,
                Report& report) {
  if (image.Empty()) return;
  if (cells <= 0) {
    report.warnings.push_back(what + ": " + SizeText(image) + " image with a cell count of " +
                              std::to_string(cells));
    return;
  }
  const int side = stacked ? image.Height() : image.Width();
  if (side % cells != 0) {
    report.warnings.push_back(what + ": image " + (stacked ? "height " : "width ") +
                              std::to_string(side) + " does not divide into " +
                              std::to_string(cells) + " cells");
  }
}

void CheckAllCells(const TSkinData& data, Report& report) {
  const TSkinObjects& s = data.Objects;
  for (const TDataSkinObject* o : s.All()) {
    CheckCells(o->Name, o->Image, o->Frame, s.HasStackedCells(o), report);
  }
  CheckCells("Buttons.CheckButton", s.Buttons->CheckButton, s.Buttons->CheckButtonFrame, false,
             report);
  CheckCells("Buttons.RadioButton", s.Buttons->RadioButton, s.Buttons->RadioButtonFrame, false,
             report);
  for (const auto& b : s.CaptionButtons) CheckCells(b->Name, b->Image, b->Frame, false, report);
}

void PrintText(const std::string& path, const TSkinReader& reader, const std::string& iniName,
               const TSkinData& data, ToolOutput& io) {
  const TSkinObjects& s = data.Objects;
  std::string out = "Skin file: " + path + "\n";
  out += "Description: " + (iniName.empty() ? std::string("none") : iniName) + "\n";

  out += "\nEntries (" + std::to_string(reader.EntryCount()) + "):\n";
  for (int i = 0; i < reader.EntryCount(); ++i) {
    out += "  " + Pad(reader.EntryNames()[i], 32) + Num(reader.EntrySize(i), 10) + "\n";
  }

  const std::vector<const TDataSkinObject*> all = s.All();
  out += "\nObjects (" + std::to_string(all.size()) + "):\n";
  out += "  " + Pad("Name", 20) + Pad("Class", 19) +
         "Frame Cells   Left  Top Right Bottom Trans Tile Style Image     Image2\n";
  for (const TDataSkinObject* o : all) {
    const TBitmap* second = SecondImage(*o);
    out += "  " + Pad(o->Name, 20) + Pad(o->ClassName(), 19) + Num(o->Frame, 5) + " " +
           Pad(s.HasStackedCells(o) ? "down" : "across", 7) + Num(o->LeftWidth, 5) +
           Num(o->TopHeight, 5) + Num(o->RightWidth, 6) + Num(o->BottomHeight, 7) +
           Num(o->Trans, 6) + Num(o->Tile, 5) + Num(o->Style, 6) + " " +
           Pad(SizeText(o->Image), 9) + (second ? SizeText(*second) : "-") + "\n";
    if (o == s.Buttons.get()) {
      out += "      RadioButtonFrame " + std::to_string(s.Buttons->RadioButtonFrame) +
             ", CheckButtonFrame " + std::to_string(s.Buttons->CheckButtonFrame) +
             ", CheckButton " + SizeText(s.Buttons->CheckButton) + ", RadioButton " +
             SizeText(s.Buttons->RadioButton) + "\n";
    }
  }

  out += "\nCaption buttons (" + std::to_string(s.CaptionButtons.size()) + "):\n";
  out += "  " + Pad("Name", 20) +
         "Action Align Xcoord Ycoord Visibility Visibility1 Frame Image\n";
  for (const auto& b : s.CaptionButtons) {
    out += "  " + Pad(b->Name, 20) + Num(b->Action, 6) + Num(b->Align, 6) + Num(b->Xcoord, 7) +
           Num(b->Ycoord, 7) + Num(b->Visibility, 11) + Num(b->Visibility1, 12) +
           Num(b->Frame, 6) + " " + SizeText(b->Image) + "\n";
  }

  out += "\nColours:\n";
  for (const TSkinColourField& f : SkinColourFields()) {
    out += "  " + Pad(f.name, 20) + Hex8(data.Colours.*f.field) + "\n";
  }
  for (size_t i = 0; i < data.Colours.ColourSections.size(); ++i) {
    out += "  " + Pad("ColourSections[" + std::to_string(i) + "]", 20) +
           Hex8(data.Colours.ColourSections[i]) + "\n";
  }
  io.Out(out);
}

void PrintJson(const std::string& path, const TSkinReader& reader, const std::string& iniName,
               const TSkinData& data, const Report& report, ToolOutput& io) {
  const TSkinObjects& s = data.Objects;
  std::string out = "{\n  \"file\": " + json::Quote(path) + ",\n  \"description\": " +
                    (iniName.empty() ? std::string("null") : json::Quote(iniName)) + ",\n";

  out += "  \"entries\": [";
  for (int i = 0; i < reader.EntryCount(); ++i) {
    out += std::string(i ? "," : "") + "\n    {\"name\": " + json::Quote(reader.EntryNames()[i]) +
           ", \"size\": " + std::to_string(reader.EntrySize(i)) + "}";
  }
  out += "\n  ],\n  \"objects\": [";
  bool first = true;
  for (const TDataSkinObject* o : s.All()) {
    out += std::string(first ? "" : ",") + "\n    {\"Name\": " + json::Quote(o->Name) +
           ", \"Class\": " + json::Quote(o->ClassName()) + ", \"Frame\": " +
           std::to_string(o->Frame) + ", \"Cells\": " +
           (s.HasStackedCells(o) ? "\"down\"" : "\"across\"") +
           ", \"LeftWidth\": " + std::to_string(o->LeftWidth) +
           ", \"TopHeight\": " + std::to_string(o->TopHeight) +
           ", \"RightWidth\": " + std::to_string(o->RightWidth) +
           ", \"BottomHeight\": " + std::to_string(o->BottomHeight) +
           ", \"Trans\": " + std::to_string(o->Trans) + ", \"Tile\": " + std::to_string(o->Tile) +
           ", \"Style\": " + std::to_string(o->Style) + ", \"Image\": " + JsonSize(o->Image);
    if (const TBitmap* second = SecondImage(*o)) out += ", \"Image2\": " + JsonSize(*second);
    if (o == s.Buttons.get()) {
      out += ", \"RadioButtonFrame\": " + std::to_string(s.Buttons->RadioButtonFrame) +
             ", \"CheckButtonFrame\": " + std::to_string(s.Buttons->CheckButtonFrame) +
             ", \"CheckButton\": " + JsonSize(s.Buttons->CheckButton) +
             ", \"RadioButton\": " + JsonSize(s.Buttons->RadioButton);
    }
    out += "}";
    first = false;
  }
  out += "\n  ],\n  \"captionButtons\": [";
  first = true;
  for (const auto& b : s.CaptionButtons) {
    out += std::string(first ? "" : ",") + "\n    {\"Name\": " + json::Quote(b->Name) +
           ", \"Action\": " + std::to_string(b->Action) + ", \"Align\": " +
           std::to_string(b->Align) + ", \"Xcoord\": " + std::to_string(b->Xcoord) +
           ", \"Ycoord\": " + std::to_string(b->Ycoord) +
           ", \"Visibility\": " + std::to_string(b->Visibility) +
           ", \"Visibility1\": " + std::to_string(b->Visibility1) +
           ", \"Frame\": " + std::to_string(b->Frame) + ", \"Image\": " + JsonSize(b->Image) + "}";
    first = false;
  }
  out += "\n  ],\n  \"colours\": {";
  first = true;
  for (const TSkinColourField& f : SkinColourFields()) {
    out += std::string(first ? "" : ",") + "\n    " + json::Quote(f.name) + ": \"" +
           Hex8(data.Colours.*f.field) + "\"";
    first = false;
  }
  out += "\n  },\n  \"colourSections\": [";
  for (size_t i = 0; i < data.Colours.ColourSections.size(); ++i) {
    out += std::string(i ? ", " : "") + "\"" + Hex8(data.Colours.ColourSections[i]) + "\"";
  }
  out += "],\n  \"warnings\": [";
  for (size_t i = 0; i < report.warnings.size(); ++i) {
    out += std::string(i ? "," : "") + "\n    " + json::Quote(report.warnings[i]);
  }
  out += report.warnings.empty() ? "]\n}\n" : "\n  ]\n}\n";
  io.Out(out);
}

int Run(const std::vector<std::string>& args, ToolOutput& io) {
  ToolArgs parsed = ParseToolArgs("info", args, {}, {"--json"}, {}, 1, 1);
  const std::string& path = parsed.positional[0];
  const bool json = parsed.flags.count("--json") > 0;
  std::vector<uint8_t> bytes = ReadWholeFile(path, 2 * skinpkg::kMaxPackageSize);

  // The component reads the skin exactly as the launcher's does; what it would show in
  // a box goes to stderr.
  Report report;
  TSkinData data;
  data.ShowMessage = [&io](const std::string& text) { io.Err(ShownMessage(text) + "\n"); };
  data.OnImageProblem = [&report](const std::string& section, const std::string& key,
                                  const std::string& value, const char* problem) {
    report.warnings.push_back("[" + section + "] " + key + "=" + value + ": " + problem);
  };
  data.SkinStream().Bytes() = bytes;
  if (!data.LoadSkinFromStream()) {
    io.Err("quillskin info: the skin file \"" + path + "\" was not loaded\n");
    return 1;
  }
  CheckAllCells(data, report);

  // The entries, listed from a reader of the same bytes.
  TSkinReader reader;
  reader.LoadPackage(bytes.data(), bytes.size());
  TMemoryStream description;
  std::string iniName;
  reader.FindEntry(".ini", description, iniName);

  if (json) {
    PrintJson(path, reader, iniName, data, report, io);
  } else {
    PrintText(path, reader, iniName, data, io);
  }
  for (const std::string& w : report.warnings) io.Err("warning: " + w + "\n");
  return 0;
}

#else

int Run(const std::vector<std::string>& args, ToolOutput& io) {
  ParseToolArgs("info", args, {}, {"--json"}, {}, 1, 1);
  io.Err(
      "quillskin info needs the Windows skin engine: run the Windows build "
      "(quillskin.exe, under Wine on this system).\n");
  return 1;
}

#endif

}  // namespace

extern const Command kCommandInfo = {"info", "show the skin objects the skin engine builds from a skin file",
                                     kHelp, Run};
