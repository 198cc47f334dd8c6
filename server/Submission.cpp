#include "server/Submission.h"

#include <algorithm>
#include <charconv>

#include "protocol/RankingProtocol.h"
#include "server/Refusal.h"
#include "text/ShiftJis.h"
#include "text/Utf8.h"

namespace server {

namespace {

namespace field = protocol::field;

// key in quotes, for a refusal's reason.
std::string quoted(std::string_view key) {
    return "\"" + std::string(key) + "\"";
}

const std::string& fieldValue(const QueryFields& fields, std::string_view key) {
    const auto found = fields.find(key);
    if (found == fields.end()) {
        throw Refusal(400, "The submission has no " + quoted(key) + ".");
    }
    return found->second;
}

std::int32_t numberField(const QueryFields& fields, std::string_view key) {
    const std::string& text = fieldValue(fields, key);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        throw Refusal(400, quoted(key) + " is not a 32-bit decimal number.");
    }
    return value;
}

bool isSpace(char32_t character) {
    return character == U' ' || character == U'\u3000';
}

bool isControl(char32_t character) {
    return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

std::string textField(const QueryFields& fields, std::string_view key, std::size_t limit) {
    const auto utf8 = text::tryFromShiftJis(fieldValue(fields, key));
    if (!utf8) {
        throw Refusal(400, quoted(key) + " is not Shift-JIS text.");
    }
    const std::u32string characters = text::decodeUtf8(*utf8);
    // Spaces alone show as nothing in the ranking.
    if (std::all_of(characters.begin(), characters.end(), isSpace)) {
        throw Refusal(400, quoted(key) + " is empty.");
    }
    if (std::any_of(characters.begin(), characters.end(), isControl)) {
        throw Refusal(400, quoted(key) + " holds a control character.");
    }
    if (characters.size() > limit) {
        throw Refusal(400,
                      quoted(key) + " is longer than " + std::to_string(limit) + " characters.");
    }
    return *utf8;
}

}  // namespace

Entry readSubmission(const QueryFields& fields) {
    Entry entry;
    entry.name = textField(fields, field::Name, protocol::NameCharacters);
    entry.comment = textField(fields, field::Comment, protocol::CommentCharacters);
    entry.score = numberField(fields, field::Score);
    entry.level = numberField(fields, field::Level);
    entry.blocks = numberField(fields, field::Blocks);
    const std::int32_t check = numberField(fields, field::Check);
    if (!protocol::isGenuine(entry.score, entry.level, entry.blocks, check)) {
        throw Refusal(400, "The check value does not match the result.");
    }
    if (entry.score <= 0 || entry.level < 1 || entry.blocks < 0) {
        throw Refusal(400, "No game ends with this result.");
    }
    return entry;
}

}  // namespace server
