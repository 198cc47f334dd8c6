#pragma once
// Where the ranking lives: one CGI that takes submissions and shows the ranking page.

#include <functional>
#include <string>
#include <string_view>

namespace ranking {

inline constexpr std::string_view RankingCgiPath = "/~mirel/soft/pudorock/ra_pudorock/ranking.cgi";

// The build's ranking server host (the PUDOROCK_RANKING_HOST setting).
std::string DefaultRankingHost();
// "http://", the host (a port may follow it after ":"), the CGI's path.
std::string RankingCgiUrl(const std::string& host);
// Hands a URL to the desktop's web browser; whether one starts is not reported.
void OpenInBrowser(const std::string& url);

// What the dialog is set up with for a run of the program.
struct RankingSettings {
    std::string Host = DefaultRankingHost();
    std::function<void(const std::string& url)> OpenUrl = OpenInBrowser;
};

}  // namespace ranking
