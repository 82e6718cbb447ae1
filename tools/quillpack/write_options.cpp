// Options of the writing commands and the store step shared by create, add and pack.
#include "write_options.h"

#include <stdexcept>

#include "archive/zlb_archive.h"
#include "console.h"
#include "progress.h"

WriteArgs ParseWriteArgs(const std::string& command, const std::vector<std::string>& args,
                         const std::set<std::string>& flags, const std::set<std::string>& valueOptions,
                         int minPositional) {
  const std::string help = "; run `quillpack " + command + " --help`";
  WriteArgs parsed;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsEnded || a.size() < 2 || a[0] != '-') {
      parsed.positional.push_back(a);
    } else if (a == "--") {
      optionsEnded = true;
    } else if (flags.count(a)) {
      parsed.flags.insert(a);
    } else {
      size_t eq = a.find('=');
      std::string name = a.substr(0, eq);
      if (!valueOptions.count(name)) throw std::runtime_error("Unknown option " + a + help);
      if (eq != std::string::npos) {
        parsed.values[name] = a.substr(eq + 1);
      } else {
        if (i + 1 >= args.size()) throw std::runtime_error("Option " + name + " needs a value" + help);
        parsed.values[name] = args[++i];
      }
    }
  }
  if (static_cast<int>(parsed.positional.size()) < minPositional)
    throw std::runtime_error("Wrong number of arguments" + help);
  return parsed;
}

TFileCompressionLevel ParseLevel(const std::string& text) {
  if (text == "none") return fcNone;
  if (text == "fastest") return fcFastest;
  if (text == "default") return fcDefault;
  if (text == "max" || text == "maximum") return fcMaximum;
  throw std::runtime_error("Unknown level \"" + text + "\" (use none, fastest, default or max)");
}

void ApplyAddOptions(const WriteArgs& args, TZLBArc2& arc) {
  auto level = args.values.find("--level");
  if (level != args.values.end()) arc.CompressionLevel = ParseLevel(level->second);
  arc.SavePaths = args.flags.count("--paths") > 0;
  arc.RecursePaths = args.flags.count("--recurse") > 0;
  auto base = args.values.find("--base-dir");
  if (base != args.values.end()) arc.BaseDir = base->second;
}

bool StoreFiles(TZLBArc2& arc, std::vector<std::string> items) {
  const std::string repeat = " already exists in the archive";
  const std::string unreadable = "Unable to open archive ";
  const std::string archive = arc.FileName();
  bool allStored = true;
  arc.OnErrorLogged = [&](const std::string& msg) {
    console::EndProgressLine();
    // The component names a file it could not read like an archive; an input file is not one.
    const bool input = msg.compare(0, unreadable.size(), unreadable) == 0 && msg.substr(unreadable.size()) != archive;
    console::Err("warning: " + (input ? msg.substr(unreadable.size()) + " cannot be read; left out" : msg) + "\n");
    // A repeated name is still stored; everything else means something was left out.
    bool isRepeat =
        msg.size() > repeat.size() && msg.compare(msg.size() - repeat.size(), repeat.size(), repeat) == 0;
    if (!isRepeat) allStored = false;
  };
  {
    TerminalProgress progress(arc);
    arc.AddFiles(items, false);
  }
  arc.OnErrorLogged = nullptr;
  return allStored;
}
