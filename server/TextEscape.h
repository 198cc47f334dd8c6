#pragma once
// Stored texts put into a page: every character that could start markup or end a string is
// escaped.

#include <string>
#include <string_view>

namespace server {

std::string escapeHtml(std::string_view text);
// The body of a JSON string (without its quotes).
std::string escapeJson(std::string_view text);

}  // namespace server
