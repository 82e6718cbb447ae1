// Random names and numbers of the launcher (portable): the generator is reseeded from
// the clock before each draw.
#pragma once
#include <string>

// length characters drawn uniformly from "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789".
std::string RandomName(int length);
// A number from 1 to 65,535.
int RandomFolderNumber();
