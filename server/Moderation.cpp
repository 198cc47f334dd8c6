#include "server/Moderation.h"

#include "server/EntryDate.h"
#include "server/RankOrder.h"

namespace server {

void listEntries(RankingStore& store, const std::string& name, int limit, std::ostream& out) {
    RankOrder order;
    order.follow(store);
    out << "id\trank\tname\tscore\tlevel\tblocks\tverified\tdate\n";
    for (const Entry& entry : store.entriesNamed(name, limit)) {
        out << entry.id << '\t' << order.rankOf({entry.score, entry.id}) << '\t' << entry.name
            << '\t' << entry.score << '\t' << entry.level << '\t' << entry.blocks << '\t'
            << (entry.verified ? "verified" : "unverified") << '\t' << formatDate(entry.submittedAt)
            << '\n';
    }
}

bool removeEntries(RankingStore& store, const std::vector<std::int64_t>& ids, std::ostream& out,
                   std::ostream& errors) {
    bool allThere = true;
    for (const std::int64_t id : ids) {
        if (store.remove({id}) == 1) {
            out << "removed " << id << '\n';
        } else {
            errors << "no entry " << id << '\n';
            allThere = false;
        }
    }
    return allThere;
}

}  // namespace server
