#pragma once
// Every text of the ranking's pages, in each language the page speaks.

#include "server/PageLanguage.h"

namespace server {

struct PageTexts {
    const char* htmlLang;
    const char* siteName;
    const char* allTimeTitle;
    const char* weekTitle;
    const char* dayTitle;
    const char* entriesCount;  // after the number
    const char* allEntries;
    const char* verifiedOnly;
    const char* allTime;
    const char* thisWeek;
    const char* today;
    const char* otherLanguage;  // the link to the page in the other language
    const char* columns[8];     // rank, name, score, level, blocks, check, comment, date
    const char* noEntries;
    const char* verifiedMark;    // the mark's title
    const char* unverifiedMark;  // the dash's title
    const char* replayLink;
    const char* thanksTitle;
    const char* thanks;
    const char* storedBeforeTitle;
    const char* storedBefore;
    const char* seeRanking;
};

const PageTexts& pageTexts(Language language);

}  // namespace server
