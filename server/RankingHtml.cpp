#include "server/RankingHtml.h"

#include "protocol/RankingProtocol.h"
#include "server/EntryDate.h"
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
nav a,nav b{padding:0 .4em}
@media (max-width:40em){.w{display:none}table{font-size:.85em}td,th{padding:.2em}}
)";

std::string head(std::string_view title) {
    return std::string(
               "<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\">"
               "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">"
               "<title>") +
           std::string(title) + "</title><style>" + Style + "</style></head><body>\n";
}

std::string pageLink(std::string_view pagePath, int number) {
    using namespace protocol;
    return std::string(pagePath) + "?" + std::string(field::Command) + "=" +
           std::string(ViewCommand) + "&amp;" + std::string(field::Page) + "=" +
           std::to_string(number);
}

std::string navigation(const RankingPage& page, std::string_view pagePath) {
    std::string links = "<nav>";
    for (int number = 1; number <= page.pages; ++number) {
        links += number == page.number ? "<b>" + std::to_string(number) + "</b>"
                                       : "<a href=\"" + pageLink(pagePath, number) + "\">" +
                                             std::to_string(number) + "</a>";
    }
    return links + "</nav>\n";
}

std::string row(const Entry& entry, std::int64_t rank) {
    return "<tr class=\"r r" + std::to_string((rank - 1) % 10) + "\"><td class=\"n\">" +
           std::to_string(rank) + "</td><td>" + escapeHtml(entry.name) + "</td><td class=\"n\">" +
           std::to_string(entry.score) + "</td><td class=\"n\">" + std::to_string(entry.level) +
           "</td><td class=\"n\">" + std::to_string(entry.blocks) + "</td><td class=\"c\">" +
           escapeHtml(entry.comment) + "</td><td class=\"w\">" + formatDate(entry.submittedAt) +
           "</td></tr>\n";
}

}  // namespace

std::string renderRankingHtml(const RankingPage& page, std::string_view pagePath) {
    std::string html = head("歴代ランキング - プドロク") + "<h1>歴代ランキング</h1>\n";
    html += "<p>" + std::to_string(page.total) + " 件</p>\n" + navigation(page, pagePath);
    html +=
        "<table><thead><tr><th>順位</th><th>名前</th><th>スコア</th><th>レベル</th>"
        "<th>ブロック</th><th>コメント</th><th class=\"w\">日時 (UTC)</th></tr></thead>"
        "<tbody>\n";
    std::int64_t rank = std::int64_t{page.number - 1} * RankingStore::EntriesPerPage;
    for (const Entry& entry : page.entries) {
        html += row(entry, ++rank);
    }
    html += "</tbody></table>\n";
    if (page.entries.empty()) {
        html += "<p>まだ登録はありません。</p>\n";
    }
    return html + navigation(page, pagePath) + "</body></html>\n";
}

std::string renderThanksHtml(std::string_view pagePath) {
    return head("送信ありがとうございました - プドロク") +
           "<h1>歴代ランキング</h1>\n<p>ハイスコアの申請ありがとうございました。</p>\n"
           "<p><a href=\"" +
           std::string(pagePath) + "\">ランキングを見る</a></p>\n</body></html>\n";
}

}  // namespace server
