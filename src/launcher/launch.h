// Process launching (Windows only): runs a program with the pass-through arguments,
// or opens a document with its file type's registered "open" command, and waits.
#pragma once
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "launcher/launcher_state.h"

class ELaunchError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// Throws ELaunchError whose message is the pieces one after another.
[[noreturn]] void FailLaunch(std::initializer_list<std::string_view> pieces);

// The environment variable through which the launched program finds its work folder.
constexpr char kWorkDirVariable[] = "QUILLMERE_WORKDIR";

// Starts Path (quoted) with the pass-through arguments (each quoted) in the current
// folder, with priority 0 high, 2 idle, else normal, and waits up to timeoutMs
// (INFINITE for no limit); a program still running then is ended with exit code 255.
// Returns the exit code, 255 for an empty path. A program that cannot be started
// throws ELaunchError with the platform's reason. Appends "\" to state.StartDir when
// it lacks one.
uint32_t LaunchAndWait(TLauncherState& state, const std::string& path, DWORD timeoutMs,
                       int priority);
// Opens the file with the "open" command registered for its extension in the classes
// root, with the pass-through arguments appended, waits for it and returns its exit
// code. Throws ELaunchError when the file type has no "open" command, when a registry
// value met on the way is not text, or when the command cannot be started.
uint32_t OpenWithAssociation(TLauncherState& state, const std::string& path);
// Runs a complete command line as LaunchAndWait does; what cannot be started throws
// ELaunchError naming subject.
uint32_t RunCommandLine(TLauncherState& state, const std::string& commandLine, DWORD timeoutMs,
                        int priority, const std::string& subject);
// The default value of a key below the classes root; empty when the key or value is
// missing. Throws ELaunchError for a value that is not text.
std::string ReadClassesRootDefault(const std::string& subKey);
