// The launcher's own failures (see fail.h).
#include "launcher/fail.h"

#include <stdexcept>

#include "launcher/text_utils.h"

void Fail(std::initializer_list<std::string_view> pieces) { throw std::runtime_error(Joined(pieces)); }
