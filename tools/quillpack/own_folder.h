// The folder of the running quillpack program (where the build puts the launcher stub).
#pragma once
#include <string>

std::string OwnFolder();
