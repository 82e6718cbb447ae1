// The command that opens a document through its file type's registered "open"
// command (portable part: placeholder replacement and quoting).
#pragma once
#include <string>

// From the registered command: "%SystemRoot%" and "%ProgramFiles%" become the given
// folders; the program (the quoted first item, or the text up to the first ".exe"
// followed by a blank or the end, or up to the first blank) is put in quotes; every
// "%1" of the rest becomes the document path, or every "%L" when there is no "%1",
// or the path is appended after one blank when there is neither. The path is put in
// quotes unless the placeholder already stands inside quotes. Other placeholders stay.
std::string BuildAssociationCommand(const std::string& registered, const std::string& document,
                                    const std::string& windowsFolder,
                                    const std::string& programFilesFolder);
