#pragma once
// Where the ranking lives: one CGI that takes submissions and shows the ranking page.

#include <functional>
#include <string>

#include "platform/WebBrowser.h"
#include "ranking/EntryPlacement.h"

namespace ranking {

// The ranking server's host: the environment's PUDOROCK_RANKING_HOST (HOST or HOST:PORT), else
// the build's setting of that name.
std::string defaultRankingHost();
// "http://", the host (a port may follow it after ":"), the CGI's path (protocol::RankingPath).
std::string rankingCgiUrl(const std::string& host);
// The ranking page that shows the entry, scrolled to its row and highlighting it.
std::string entryPageUrl(const std::string& host, const EntryPlacement& entry);

// What the dialog is set up with for a run of the program.
struct RankingSettings {
    std::string Host = defaultRankingHost();
    std::function<void(const std::string& url)> OpenUrl = platform::openUrl;
};

}  // namespace ranking
