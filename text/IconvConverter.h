#pragma once
// One iconv conversion descriptor, opened for a pair of encodings and closed with the object.

#include <iconv.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace text {

class IconvConverter {
  public:
    // Throws std::runtime_error when the system has no such conversion.
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Appends the conversion of input to output as far as it goes: up to the end, or up to the
    // first sequence that is invalid, incomplete or has no form in the target encoding. Returns
    // the number of input bytes converted.
    std::size_t convert(std::string_view input, std::string& output);

  private:
    iconv_t descriptor_;
};

}  // namespace text
