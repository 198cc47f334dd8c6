// Feeds arbitrary bytes through the server's query decoding and submission checks, once as a
// whole query and once as the name and comment (split at the first zero byte) of an otherwise
// genuine submission, and through the log's rendering of a target; checks what an accepted entry
// must be: UTF-8 within the dialog's limits, no control character, a result the game can reach.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "protocol/EntryQuery.h"
#include "protocol/RankingProtocol.h"
#include "server/QueryFields.h"
#include "server/Refusal.h"
#include "server/RequestLog.h"
#include "server/Submission.h"
#include "text/Utf8.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool holdsOnlyText(const std::u32string& characters) {
    for (char32_t character : characters) {
        if (character < 0x20 || character == 0x7F || character == 0xFFFD) {
            return false;
        }
    }
    return true;
}

void checkAccepted(const server::Entry& entry) {
    const std::u32string name = text::decodeUtf8(entry.name);
    const std::u32string comment = text::decodeUtf8(entry.comment);
    require(!name.empty() && name.size() <= protocol::NameCharacters && holdsOnlyText(name));
    require(!comment.empty() && comment.size() <= protocol::CommentCharacters &&
            holdsOnlyText(comment));
    require(entry.score > 0 && entry.level >= 1 && entry.blocks >= 0);
}

void checkQuery(std::string_view query) {
    const std::string shown = server::shownTarget("/r.cgi?" + std::string(query));
    require(shown.find('\n') == std::string::npos && shown.find('\r') == std::string::npos);
    try {
        checkAccepted(server::readSubmission(server::parseQuery(query)));
    } catch (const server::Refusal& refusal) {
        require(refusal.status() == 400);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkQuery(input);
    const std::size_t split = std::min(input.find('\0'), input.size());
    const std::string check = std::to_string(protocol::passValueOf(1000, 5, 40));
    checkQuery(protocol::entryQuery({input.substr(0, split), "1000", "5", "40", check,
                                     input.substr(std::min(split + 1, input.size()))}));
    return 0;
}
