#pragma once
// A submission's query as the game's dialog sends it: its fields in the dialog's order.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "protocol/RankingProtocol.h"

namespace protocol {

// Each value as it goes into the query: the sender encodes the texts as its transport needs.
struct EntryValues {
    std::string_view name;
    std::string_view score;
    std::string_view level;
    std::string_view blocks;
    std::string_view check;
    std::string_view comment;
};

inline std::string entryQuery(const EntryValues& values) {
    const std::initializer_list<std::pair<std::string_view, std::string_view>> fields{
        {field::Command, EntryCommand},  {field::Name, values.name},
        {field::Score, values.score},    {field::Level, values.level},
        {field::Blocks, values.blocks},  {field::Check, values.check},
        {field::Comment, values.comment}};
    std::string query;
    for (const auto& [key, value] : fields) {
        query.append(query.empty() ? "" : "&").append(key).append("=").append(value);
    }
    return query;
}

}  // namespace protocol
