#pragma once
// A message's text from its lines, joined by "\r", the break the message boxes and the dialog's
// labels know. Each line is looked up in the catalogue on its own: gettext takes no "\r".

#include <initializer_list>
#include <string>
#include <string_view>

namespace text {

std::string joinedLines(std::initializer_list<std::string_view> lines);

}  // namespace text
