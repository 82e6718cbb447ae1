// The launcher's handler for a C++ error that nothing caught: it ends the process at
// once. It replaces the runtime's verbose handler, whose symbol-name demangler would
// otherwise take tens of kilobytes of every packed program.
#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
