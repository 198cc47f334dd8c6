#pragma once
// Queries as the game's dialog sends them: Shift-JIS texts, form-encoded.

#include <cstdio>
#include <string>
#include <string_view>

#include "text/ShiftJis.h"

namespace servertest {

inline std::string formEncoded(std::string_view bytes) {
    std::string encoded;
    for (char character : bytes) {
        const auto byte = static_cast<unsigned char>(character);
        if (std::isalnum(byte)) {
            encoded += character;
        } else {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", byte);
            encoded += code;
        }
    }
    return encoded;
}

struct Sent {
    std::string name = "太郎";
    std::string comment = "がんばった";
    std::string score = "1000";
    std::string level = "5";
    std::string tama = "40";
    std::string passS = "955";
};

inline std::string entryQuery(const Sent& sent) {
    return "command=entry&name=" + formEncoded(text::toShiftJis(sent.name)) +
           "&score=" + sent.score + "&level=" + sent.level + "&tama=" + sent.tama +
           "&pass_s=" + sent.passS + "&comment=" + formEncoded(text::toShiftJis(sent.comment));
}

}  // namespace servertest
