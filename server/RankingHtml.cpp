#include "server/RankingHtml.h"

#include <algorithm>
#include <vector>

#include "protocol/RankingProtocol.h"
#include "server/EntryDate.h"
#include "server/PageTexts.h"
#include "server/RankingLinks.h"
#include "server/TextEscape.h"

namespace server {

namespace {

// The ten block colours of the game, one row after another.
constexpr const char* Style = R"(
body{background:#000;color:#fff;font-family:sans-serif;margin:0 auto;max-width:60em;padding:.5em}
h1{color:#0ff;text-align:center;letter-spacing:.2em}
p{text-align:center}
a{color:#f0f}
table{border-collapse:collapse;width:100%}
th{color:#808080;text-align:left;border-bottom:1px solid #808080;white-space:nowrap}
td,th{padding:.25em .4em}
td.n{text-align:right;font-variant-numeric:tabular-nums}
td.c{color:#ccc}
tr.r td:first-child{border-left:.4em solid}
tr.r0 td:first-child{border-color:#f00}tr.r1 td:first-child{border-color:#0f0}
tr.r2 td:first-child{border-color:#ff0}tr.r3 td:first-child{border-color:#1c1cff}
tr.r4 td:first-child{border-color:#f0f}tr.r5 td:first-child{border-color:#0ff}
tr.r6 td:first-child{border-color:#d0d0d0}tr.r7 td:first-child{border-color:#af875f}
tr.r8 td:first-child{border-color:#7f9fbf}tr.r9 td:first-child{border-color:#9fbf7f}
nav{text-align:center;margin:1em 0;line-height:2}
nav a,nav b,nav span{padding:0 .4em}
nav.f b{color:#0ff}
td.v{white-space:nowrap}td.v span{color:#0f0}
tr:target td{background:#304}
@media (max-width:40em){.w{display:none}table{font-size:.85em}td,th{padding:.2em}}
)";

std::string head(const PageTexts& texts, std::string_view title) {
    return std::string("<!DOCTYPE html>\n<html lang=\"") + texts.htmlLang +
           "\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">"
           "<title>" +
           std::string(title) + " - " + texts.siteName + "</title><style>" + Style +
           "</style></head><body>\n";
}

// Beside the current page, this many on each side; the first and the last always.
constexpr int PagerReach = 2;

std::string link(std::string_view pagePath, const PageQuery& query, const std::string& text) {
    return "<a href=\"" + escapeHtml(viewLink(pagePath, query)) + "\">" + text + "</a>";
}

// A choice between views: the current one bold, the others linked from their first page.
std::string choice(std::string_view pagePath, const PageQuery& shown, const PageQuery& choice,
                   const char* text) {
    const bool current = choice.verifiedOnly == shown.verifiedOnly && choice.period == shown.period;
    return current ? std::string("<b>") + text + "</b>" : link(pagePath, choice, text);
}

std::string filters(const RankingPage& page, std::string_view pagePath, const PageTexts& texts) {
    const PageQuery shown = page.query;
    auto with = [&](bool verifiedOnly, Period period) {
        PageQuery query = shown;
        query.number = 1;
        query.verifiedOnly = verifiedOnly;
        query.period = period;
        return query;
    };
    PageQuery translated = shown;
    translated.language =
        shown.language == Language::English ? Language::Japanese : Language::English;
    translated.languageChosen = true;
    return "<nav class=\"f\">" +
           choice(pagePath, shown, with(false, shown.period), texts.allEntries) +
           choice(pagePath, shown, with(true, shown.period), texts.verifiedOnly) + " | " +
           choice(pagePath, shown, with(shown.verifiedOnly, Period::All), texts.allTime) +
           choice(pagePath, shown, with(shown.verifiedOnly, Period::Week), texts.thisWeek) +
           choice(pagePath, shown, with(shown.verifiedOnly, Period::Day), texts.today) + " | " +
           link(pagePath, translated, texts.otherLanguage) + "</nav>\n";
}

// The pages a pager links: the first, the last and a few around the current one.
std::vector<int> pagerNumbers(int current, int pages) {
    std::vector<int> numbers{1};
    for (int number = std::max(2, current - PagerReach);
         number <= std::min(pages, current + PagerReach); ++number) {
        numbers.push_back(number);
    }
    if (numbers.back() != pages) {
        numbers.push_back(pages);
    }
    return numbers;
}

std::string pager(const RankingPage& page, std::string_view pagePath) {
    std::string links = "<nav>";
    int previous = 0;
    for (const int number : pagerNumbers(page.query.number, page.pages)) {
        if (number > previous + 1) {
            links += "<span>…</span>";
        }
        PageQuery query = page.query;
        query.number = number;
        links += number == page.query.number ? "<b>" + std::to_string(number) + "</b>"
                                             : link(pagePath, query, std::to_string(number));
        previous = number;
    }
    return links + "</nav>\n";
}

std::string mark(const Entry& entry, std::string_view pagePath, const PageTexts& texts) {
    if (!entry.verified) {
        return std::string("<td class=\"v\" title=\"") + texts.unverifiedMark + "\">–</td>";
    }
    return std::string("<td class=\"v\"><span title=\"") + texts.verifiedMark +
           "\">✔</span> <a href=\"" + escapeHtml(replayLink(pagePath, entry.id)) + "\" download>" +
           texts.replayLink + "</a></td>";
}

std::string row(const Entry& entry, std::int64_t rank, std::string_view pagePath,
                const PageTexts& texts) {
    return "<tr id=\"" + protocol::entryAnchor(entry.id) + "\" class=\"r r" +
           std::to_string((rank - 1) % 10) + "\"><td class=\"n\">" + std::to_string(rank) +
           "</td><td>" + escapeHtml(entry.name) + "</td><td class=\"n\">" +
           std::to_string(entry.score) + "</td><td class=\"n\">" + std::to_string(entry.level) +
           "</td><td class=\"n\">" + std::to_string(entry.blocks) + "</td>" +
           mark(entry, pagePath, texts) + "<td class=\"c\">" + escapeHtml(entry.comment) +
           "</td><td class=\"w\">" + formatDate(entry.submittedAt) + "</td></tr>\n";
}

const char* titleOf(Period period, const PageTexts& texts) {
    switch (period) {
        case Period::Week:
            return texts.weekTitle;
        case Period::Day:
            return texts.dayTitle;
        case Period::All:
            break;
    }
    return texts.allTimeTitle;
}

std::string tableHead(const PageTexts& texts) {
    std::string cells;
    const std::size_t dateColumn = std::size(texts.columns) - 1;  // hidden on narrow screens
    for (std::size_t column = 0; column < std::size(texts.columns); ++column) {
        cells += column == dateColumn ? "<th class=\"w\">" : "<th>";
        cells += std::string(texts.columns[column]) + "</th>";
    }
    return "<table><thead><tr>" + cells + "</tr></thead><tbody>\n";
}

// A short page after a submission, leading back to the ranking.
std::string notice(const PageTexts& texts, const char* title, const char* text,
                   std::string_view pagePath) {
    return head(texts, title) + "<h1>" + texts.allTimeTitle + "</h1>\n<p>" + text +
           "</p>\n<p><a href=\"" + std::string(pagePath) + "\">" + texts.seeRanking +
           "</a></p>\n</body></html>\n";
}

}  // namespace

std::string renderRankingHtml(const RankingPage& page, std::string_view pagePath) {
    const PageTexts& texts = pageTexts(page.query.language);
    const std::string title = titleOf(page.query.period, texts);
    std::string html = head(texts, title) + "<h1>" + title + "</h1>\n";
    html += filters(page, pagePath, texts) + "<p>" + std::to_string(page.total) +
            texts.entriesCount + "</p>\n" + pager(page, pagePath) + tableHead(texts);
    std::int64_t rank = page.firstRank;
    for (const Entry& entry : page.entries) {
        html += row(entry, rank++, pagePath, texts);
    }
    html += "</tbody></table>\n";
    if (page.entries.empty()) {
        html += std::string("<p>") + texts.noEntries + "</p>\n";
    }
    return html + pager(page, pagePath) + "</body></html>\n";
}

std::string renderThanksHtml(std::string_view pagePath, Language language) {
    const PageTexts& texts = pageTexts(language);
    return notice(texts, texts.thanksTitle, texts.thanks, pagePath);
}

std::string renderAlreadyStoredHtml(std::string_view pagePath, Language language) {
    const PageTexts& texts = pageTexts(language);
    return notice(texts, texts.storedBeforeTitle, texts.storedBefore, pagePath);
}

}  // namespace server
