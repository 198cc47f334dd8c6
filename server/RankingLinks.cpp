#include "server/RankingLinks.h"

#include "protocol/RankingProtocol.h"

namespace server {

namespace {

std::string pair(std::string_view name, std::string_view value) {
    return std::string(name) + "=" + std::string(value);
}

}  // namespace

std::string viewLink(std::string_view pagePath, const PageQuery& query) {
    using namespace protocol;
    std::string link = std::string(pagePath) + "?" + pair(field::Command, ViewCommand) + "&" +
                       pair(field::Page, std::to_string(query.number));
    if (query.verifiedOnly) {
        link += "&" + pair(field::Verified, "1");
    }
    if (query.period != Period::All) {
        link += "&" + pair(field::Period, nameOf(query.period));
    }
    if (query.languageChosen) {
        link += "&" + pair(field::Language, codeOf(query.language));
    }
    return link;
}

std::string replayLink(std::string_view pagePath, std::int64_t id) {
    using namespace protocol;
    return std::string(pagePath) + "?" + pair(field::Command, ReplayCommand) + "&" +
           pair(field::Id, std::to_string(id));
}

}  // namespace server
