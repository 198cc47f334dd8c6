#pragma once
// Texts with places for values, printf's way, so that a translation may put them in its own
// order: "%s" takes the next value, "%2$s" the second, "%%" is a percent sign.

#include <initializer_list>
#include <string>
#include <string_view>

namespace text {

// The pattern with its places filled; a place beyond the values stays as it is written.
std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values);

}  // namespace text
