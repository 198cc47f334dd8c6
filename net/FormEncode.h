#pragma once
// The form encoder: percent-encodes bytes (Shift-JIS text included) for a query or a form body.

#include <string>
#include <string_view>

namespace net {

class TFormEncoder {
  public:
    // ASCII letters and digits stay, a space becomes "+", every other byte "%" and two
    // upper-case hexadecimal digits.
    static std::string Encode(std::string_view bytes);
};

}  // namespace net
