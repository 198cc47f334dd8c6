#include "server/QueryFields.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "protocol/RankingProtocol.h"
#include "server/Refusal.h"

namespace server {

namespace {

namespace field = protocol::field;

constexpr std::array KnownKeys{field::Command, field::Name,  field::Score,   field::Level,
                               field::Blocks,  field::Check, field::Comment, field::Page};

bool isKnownKey(std::string_view key) {
    return std::find(KnownKeys.begin(), KnownKeys.end(), key) != KnownKeys.end();
}

// A raw text may hold "&": a piece that names no field of ours belongs to the text before it.
bool takesRawAmpersand(std::string_view key) {
    return key == field::Name || key == field::Comment;
}

std::optional<int> hexValue(char digit) {
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    return std::nullopt;
}

bool isRaw(std::string_view value) {
    return std::any_of(value.begin(), value.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; });
}

struct Piece {
    std::string key;
    std::string value;
};

std::vector<Piece> splitPieces(std::string_view query) {
    std::vector<Piece> pieces;
    while (!query.empty()) {
        const std::size_t end = std::min(query.find('&'), query.size());
        const std::string_view piece = query.substr(0, end);
        const std::size_t equals = piece.find('=');
        const std::string_view key = piece.substr(0, equals);
        if (!isKnownKey(key) && !pieces.empty() && takesRawAmpersand(pieces.back().key)) {
            pieces.back().value += '&';
            pieces.back().value += piece;
        } else if (!piece.empty()) {
            pieces.push_back({std::string(key), equals == std::string_view::npos
                                                    ? std::string()
                                                    : std::string(piece.substr(equals + 1))});
        }
        query.remove_prefix(std::min(end + 1, query.size()));
    }
    return pieces;
}

}  // namespace

std::string decodeQueryValue(std::string_view value) {
    if (isRaw(value)) {
        return std::string(value);
    }
    std::string bytes;
    bytes.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '+') {
            bytes += ' ';
        } else if (value[i] != '%') {
            bytes += value[i];
        } else {
            const auto high = i + 1 < value.size() ? hexValue(value[i + 1]) : std::nullopt;
            const auto low = i + 2 < value.size() ? hexValue(value[i + 2]) : std::nullopt;
            if (!high || !low) {
                throw Refusal(400,
                              "A query value has a \"%\" that is not followed by two hex digits.");
            }
            bytes += static_cast<char>(*high * 16 + *low);
            i += 2;
        }
    }
    return bytes;
}

QueryFields parseQuery(std::string_view query) {
    QueryFields fields;
    for (const Piece& piece : splitPieces(query)) {
        if (!fields.emplace(piece.key, decodeQueryValue(piece.value)).second) {
            throw Refusal(400, "The query gives \"" + piece.key + "\" twice.");
        }
    }
    return fields;
}

}  // namespace server
