#include "text/Utf8.h"

namespace text {

namespace {

constexpr char32_t Replacement = 0xFFFD;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the sequence a lead byte starts, 0 for a byte that starts none.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// The smallest character each length may carry; anything below is an overlong form.
char32_t smallestOf(int length) {
    constexpr char32_t Smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return Smallest[length];
}

char32_t readingOf(unsigned char malformedByte, MalformedUtf8 malformed) {
    return malformed == MalformedUtf8::Replace ? Replacement : malformedByte;
}

}  // namespace

std::u32string decodeUtf8(std::string_view text, MalformedUtf8 malformed) {
    std::u32string characters;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int length = sequenceLength(lead);
        if (length == 0 || at + length > text.size()) {
            characters += readingOf(lead, malformed);
            ++at;
            continue;
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = true;
        for (int i = 1; i < length; ++i) {
            const auto byte = static_cast<unsigned char>(text[at + i]);
            valid = valid && isContinuation(byte);
            code = (code << 6) | (byte & 0x3F);
        }
        if (!valid || code < smallestOf(length) || code > 0x10FFFF ||
            (code >= 0xD800 && code <= 0xDFFF)) {
            characters += readingOf(lead, malformed);
            ++at;
            continue;
        }
        characters += code;
        at += length;
    }
    return characters;
}

std::string encodeUtf8(std::u32string_view characters) {
    std::string text;
    for (char32_t code : characters) {
        if (code < 0x80) {
            text += static_cast<char>(code);
        } else if (code < 0x800) {
            text += static_cast<char>(0xC0 | (code >> 6));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            text += static_cast<char>(0xE0 | (code >> 12));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            text += static_cast<char>(0xF0 | (code >> 18));
            text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            text += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return text;
}

}  // namespace text
