// quillskin: builds and unpacks skin files; the commands are in commands.cpp.
#include "command.h"
#include "console.h"

int main(int argc, char** argv) {
  ConsoleOutput io;
  return RunQuillskin(console::Arguments(argc, argv), io);
}
