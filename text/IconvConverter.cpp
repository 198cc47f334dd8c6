#include "text/IconvConverter.h"

#include <cerrno>
#include <stdexcept>

namespace text {

namespace {

const iconv_t NoDescriptor = reinterpret_cast<iconv_t>(-1);

}  // namespace

IconvConverter::IconvConverter(const char* to, const char* from)
    : descriptor_(iconv_open(to, from)) {
    if (descriptor_ == NoDescriptor) {
        throw std::runtime_error(std::string("iconv: no conversion from ") + from + " to " + to);
    }
}

IconvConverter::~IconvConverter() {
    iconv_close(descriptor_);
}

std::size_t IconvConverter::convert(std::string_view input, std::string& output) {
    iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data());  // iconv's interface; it does not write there
    std::size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(descriptor_, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            break;
        }
    }
    return input.size() - inLeft;
}

}  // namespace text
