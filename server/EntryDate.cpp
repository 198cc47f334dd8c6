#include "server/EntryDate.h"

#include <ctime>

namespace server {

namespace {

std::string format(std::int64_t secondsSince1970, const char* pattern) {
    const auto time = static_cast<std::time_t>(secondsSince1970);
    std::tm parts{};
    gmtime_r(&time, &parts);
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, pattern, &parts));
}

}  // namespace

std::string formatDate(std::int64_t secondsSince1970) {
    return format(secondsSince1970, "%Y-%m-%d %H:%M");
}

std::string formatIsoTime(std::int64_t secondsSince1970) {
    return format(secondsSince1970, "%Y-%m-%dT%H:%M:%SZ");
}

}  // namespace server
