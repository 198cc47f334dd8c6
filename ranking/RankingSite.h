#pragma once
// Where the ranking lives: one CGI that takes submissions and shows the ranking page.

#include <functional>
#include <string>

namespace ranking {

// The ranking server's host: the environment's PUDOROCK_RANKING_HOST (HOST or HOST:PORT), else
// the build's setting of that name.
std::string defaultRankingHost();
// "http://", the host (a port may follow it after ":"), the CGI's path (protocol::RankingPath).
std::string rankingCgiUrl(const std::string& host);
// Hands a URL to the desktop's web browser; whether one starts is not reported.
void openInBrowser(const std::string& url);

// What the dialog is set up with for a run of the program.
struct RankingSettings {
    std::string Host = defaultRankingHost();
    std::function<void(const std::string& url)> OpenUrl = openInBrowser;
};

}  // namespace ranking
