#include "server/RankingJson.h"

#include "server/EntryDate.h"
#include "server/TextEscape.h"

namespace server {

namespace {

std::string entryJson(const Entry& entry, std::int64_t rank) {
    return "{\"rank\":" + std::to_string(rank) + ",\"name\":\"" + escapeJson(entry.name) +
           "\",\"score\":" + std::to_string(entry.score) +
           ",\"level\":" + std::to_string(entry.level) +
           ",\"blocks\":" + std::to_string(entry.blocks) + ",\"comment\":\"" +
           escapeJson(entry.comment) + "\",\"date\":\"" + formatIsoTime(entry.submittedAt) + "\"}";
}

}  // namespace

std::string renderRankingJson(const RankingPage& page) {
    std::string json = "{\"page\":" + std::to_string(page.number) +
                       ",\"pages\":" + std::to_string(page.pages) +
                       ",\"total\":" + std::to_string(page.total) + ",\"entries\":[";
    std::int64_t rank = std::int64_t{page.number - 1} * RankingStore::EntriesPerPage;
    const char* separator = "\n";
    for (const Entry& entry : page.entries) {
        json += separator + entryJson(entry, ++rank);
        separator = ",\n";
    }
    return json + "\n]}\n";
}

}  // namespace server
