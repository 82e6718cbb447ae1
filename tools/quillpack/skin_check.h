// The check `quillpack pack` makes of a skin before packing it: the file unpacks and
// holds a skin description with sections (read as the skin engine reads it, without
// drawing anything).
#pragma once
#include <string>

// Throws std::runtime_error naming the skin and what is wrong with it.
void CheckSkinFile(const std::string& path);
