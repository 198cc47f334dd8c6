#pragma once
// What pudorock-replay does once its command line is read.

#include <ostream>
#include <string>
#include <vector>

namespace tools {

// One JSON line per file on `out`; 0 when every replay is valid, else 1.
int verifyReplays(const std::vector<std::string>& files, std::ostream& out);

// The replay's header and counts as "name: value" lines, without re-running the game; 0, or 1
// with the reason on `err` when the file cannot be read.
int describeReplay(const std::string& file, std::ostream& out, std::ostream& err);

}  // namespace tools
