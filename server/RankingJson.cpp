#include "server/RankingJson.h"

#include "server/EntryDate.h"
#include "server/RankingLinks.h"
#include "server/TextEscape.h"

namespace server {

namespace {

std::string quoted(std::string_view text) {
    return "\"" + escapeJson(text) + "\"";
}

std::string entryJson(const Entry& entry, std::int64_t rank, std::string_view pagePath) {
    return "{\"id\":" + std::to_string(entry.id) + ",\"rank\":" + std::to_string(rank) +
           ",\"name\":" + quoted(entry.name) + ",\"score\":" + std::to_string(entry.score) +
           ",\"level\":" + std::to_string(entry.level) +
           ",\"blocks\":" + std::to_string(entry.blocks) + ",\"comment\":" + quoted(entry.comment) +
           ",\"date\":\"" + formatIsoTime(entry.submittedAt) +
           "\",\"verified\":" + (entry.verified ? "true" : "false") +
           ",\"replay\":" + (entry.verified ? quoted(replayLink(pagePath, entry.id)) : "null") +
           "}";
}

}  // namespace

std::string renderRankingJson(const RankingPage& page, std::string_view pagePath) {
    std::string json = "{\"page\":" + std::to_string(page.query.number) +
                       ",\"pages\":" + std::to_string(page.pages) +
                       ",\"total\":" + std::to_string(page.total) +
                       ",\"verified\":" + (page.query.verifiedOnly ? "true" : "false") +
                       ",\"period\":" + quoted(nameOf(page.query.period)) + ",\"entries\":[";
    std::int64_t rank = page.firstRank;
    const char* separator = "\n";
    for (const Entry& entry : page.entries) {
        json += separator + entryJson(entry, rank++, pagePath);
        separator = ",\n";
    }
    return json + "\n]}\n";
}

}  // namespace server
