#include "text/ShiftJis.h"

#include <algorithm>

#include "text/IconvConverter.h"
#include "text/Utf8.h"

namespace text {

namespace {

constexpr const char* ShiftJisCode = "CP932";
constexpr const char* Utf8Code = "UTF-8";
constexpr std::string_view MiddleDot = "・";

bool isLeadByte(int byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool isTrailByte(int byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

// The character a byte sequence stands for, when it stands for exactly one.
void appendCharacterOf(IconvConverter& decoder, std::string_view bytes,
                       std::vector<char32_t>& characters) {
    std::string utf8;
    if (decoder.convert(bytes, utf8) == bytes.size()) {
        const std::u32string decoded = decodeUtf8(utf8);
        if (decoded.size() == 1) {
            characters.push_back(decoded.front());
        }
    }
}

}  // namespace

std::string toShiftJis(std::string_view utf8) {
    IconvConverter encoder(ShiftJisCode, Utf8Code);
    std::string bytes;
    if (encoder.convert(utf8, bytes) != utf8.size()) {
        throw EConvertError("Shift-JIS にない文字があります");
    }
    return bytes;
}

std::string fromShiftJis(std::string_view shiftJis) {
    IconvConverter decoder(Utf8Code, ShiftJisCode);
    std::string text;
    while (!shiftJis.empty()) {
        shiftJis.remove_prefix(decoder.convert(shiftJis, text));
        if (!shiftJis.empty()) {
            text += MiddleDot;
            shiftJis.remove_prefix(1);
        }
    }
    return text;
}

std::optional<std::string> tryFromShiftJis(std::string_view shiftJis) {
    IconvConverter decoder(Utf8Code, ShiftJisCode);
    std::string text;
    if (decoder.convert(shiftJis, text) != shiftJis.size()) {
        return std::nullopt;
    }
    return text;
}

bool hasShiftJisForm(char32_t character) {
    IconvConverter encoder(ShiftJisCode, Utf8Code);
    const std::string utf8 = encodeUtf8(std::u32string(1, character));
    std::string bytes;
    return encoder.convert(utf8, bytes) == utf8.size();
}

std::vector<char32_t> shiftJisRepertoire() {
    IconvConverter decoder(Utf8Code, ShiftJisCode);
    std::vector<char32_t> characters;
    for (int byte = 0; byte <= 0xFF; ++byte) {
        if (!isLeadByte(byte)) {
            appendCharacterOf(decoder, std::string(1, static_cast<char>(byte)), characters);
        }
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; isLeadByte(lead) && trail <= 0xFC; ++trail) {
            if (isTrailByte(trail)) {
                const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
                appendCharacterOf(decoder, std::string_view(pair, 2), characters);
            }
        }
    }
    std::ranges::sort(characters);
    characters.erase(std::unique(characters.begin(), characters.end()), characters.end());
    return characters;
}

}  // namespace text
