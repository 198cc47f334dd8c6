#pragma once
// The fields of a request's query, as the bytes their values stand for. The game sends its
// texts form-encoded; an unmended client of the original sends them as raw Shift-JIS bytes, and
// both are read.

#include <map>
#include <string>
#include <string_view>

namespace server {

using QueryFields = std::map<std::string, std::string, std::less<>>;

// Throws Refusal (400) for a field given twice or a value whose encoding cannot be read.
QueryFields parseQuery(std::string_view query);

// A value that holds a byte above ASCII was sent raw and is taken as it is (no form encoder
// writes such a byte); any other value is form-decoded: "+" a space, "%HH" one byte.
std::string decodeQueryValue(std::string_view value);

}  // namespace server
