#include "server/Submission.h"

#include <algorithm>
#include <charconv>

#include "server/Refusal.h"
#include "text/ShiftJis.h"
#include "text/Utf8.h"

namespace server {

namespace {

const std::string& field(const QueryFields& fields, const std::string& key) {
    const auto found = fields.find(key);
    if (found == fields.end()) {
        throw Refusal(400, "The submission has no \"" + key + "\".");
    }
    return found->second;
}

std::int32_t numberField(const QueryFields& fields, const std::string& key) {
    const std::string& text = field(fields, key);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        throw Refusal(400, "\"" + key + "\" is not a 32-bit decimal number.");
    }
    return value;
}

bool isControl(char32_t character) {
    return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

std::string textField(const QueryFields& fields, const std::string& key, std::size_t limit) {
    const auto utf8 = text::tryFromShiftJis(field(fields, key));
    if (!utf8) {
        throw Refusal(400, "\"" + key + "\" is not Shift-JIS text.");
    }
    const std::u32string characters = text::decodeUtf8(*utf8);
    if (characters.empty()) {
        throw Refusal(400, "\"" + key + "\" is empty.");
    }
    if (std::any_of(characters.begin(), characters.end(), isControl)) {
        throw Refusal(400, "\"" + key + "\" holds a control character.");
    }
    if (characters.size() > limit) {
        throw Refusal(400,
                      "\"" + key + "\" is longer than " + std::to_string(limit) + " characters.");
    }
    return *utf8;
}

}  // namespace

bool isGenuine(std::int32_t score, std::int32_t level, std::int32_t blocks, std::int32_t check) {
    const auto wrapped = static_cast<std::uint32_t>(score) - static_cast<std::uint32_t>(level) -
                         static_cast<std::uint32_t>(blocks);
    return static_cast<std::int32_t>(wrapped) == check;
}

Entry readSubmission(const QueryFields& fields) {
    Entry entry;
    entry.name = textField(fields, "name", NameCharacters);
    entry.comment = textField(fields, "comment", CommentCharacters);
    entry.score = numberField(fields, "score");
    entry.level = numberField(fields, "level");
    entry.blocks = numberField(fields, "tama");
    if (!isGenuine(entry.score, entry.level, entry.blocks, numberField(fields, "pass_s"))) {
        throw Refusal(400, "The check value does not match the result.");
    }
    if (entry.score <= 0 || entry.level < 1 || entry.blocks < 0) {
        throw Refusal(400, "No game ends with this result.");
    }
    return entry;
}

}  // namespace server
