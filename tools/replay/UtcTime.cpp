#include "tools/replay/UtcTime.h"

#include <cinttypes>
#include <cstdio>

namespace tools {

namespace {

constexpr std::int64_t MsPerDay = 86'400'000;

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor) {
    return value / divisor - (value % divisor < 0 ? 1 : 0);
}

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

// The proleptic Gregorian date of a day counted from 1970-01-01, in 400-year eras.
CivilDate civilDateOf(std::int64_t days) {
    days += 719'468;  // from 0000-03-01
    const std::int64_t era = floorDivide(days, 146'097);
    const auto dayOfEra = static_cast<std::uint64_t>(days - era * 146'097);
    const std::uint64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146'096) / 365;
    const std::uint64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::uint64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<unsigned>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const auto month =
        static_cast<unsigned>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const std::int64_t year =
        static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

}  // namespace

std::string isoUtcOf(std::int64_t msSince1970) {
    const std::int64_t days = floorDivide(msSince1970, MsPerDay);
    const std::int64_t msOfDay = msSince1970 - days * MsPerDay;
    const CivilDate date = civilDateOf(days);
    char text[64];
    std::snprintf(text, sizeof text, "%04" PRId64 "-%02u-%02uT%02d:%02d:%02d.%03dZ", date.year,
                  date.month, date.day, static_cast<int>(msOfDay / 3'600'000),
                  static_cast<int>(msOfDay / 60'000 % 60), static_cast<int>(msOfDay / 1000 % 60),
                  static_cast<int>(msOfDay % 1000));
    return text;
}

}  // namespace tools
