// The launcher's own failures, thrown from one place: a call is much smaller than
// building the message and throwing at every site.
#pragma once
#include <initializer_list>
#include <string_view>

// Throws std::runtime_error whose message is the pieces one after another.
[[noreturn]] void Fail(std::initializer_list<std::string_view> pieces);
