#pragma once
// Whole runs of the game from the title screen through the ranking dialog, driven by the
// scripted runner, against a scripted server on 127.0.0.1: what the dialog's tests share.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "game/BestTenStore.h"
#include "platform/HeadlessDrivers.h"
#include "protocol/RankingProtocol.h"
#include "tests/net/LoopbackServer.h"
#include "tests/support/TempDirectory.h"
#include "tools/script/ScriptRunner.h"

namespace apptest {

constexpr const char* Cgi = "/~mirel/soft/pudorock/ra_pudorock/ranking.cgi";

// What one run printed.
struct Printed {
    std::vector<std::string> dumps;
    std::vector<std::string> others;  // message boxes, opened URLs, sounds
    std::uint32_t endClockMs = 0;     // the runner's clock once the script has run

    bool has(const std::string& line) const {
        return std::find(others.begin(), others.end(), line) != others.end();
    }
    int messageBoxes() const {
        return static_cast<int>(std::ranges::count_if(
            others, [](const std::string& line) { return line.starts_with("msgbox: "); }));
    }
};

// A value of a dump line: numbers and booleans as written, texts unescaped.
inline std::string field(const std::string& dump, const std::string& name) {
    std::size_t at = dump.find("\"" + name + "\":");
    if (at == std::string::npos) {
        return "<missing>";
    }
    at += name.size() + 3;
    if (dump[at] != '"') {
        return dump.substr(at, dump.find_first_of(",}", at) - at);
    }
    std::string text;
    for (++at; dump[at] != '"'; ++at) {
        if (dump[at] == '\\' && dump[++at] == 'u') {
            text += static_cast<char>(std::stoi(dump.substr(at + 1, 4), nullptr, 16));
            at += 4;
        } else {
            text += dump[at];
        }
    }
    return text;
}

inline std::string fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

inline nettest::Reply statusReply(int status) {
    return nettest::whole("HTTP/1.0 " + std::to_string(status) + " X\r\n\r\nbody");
}

class RankingDialogTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::useHeadlessDrivers(); }

    // A best result (5001 points at level 3 with 40 blocks, unless told), sendable or not.
    void storeBestResult(bool sendable, const core::THiScoreEntry& best = {5001, 3, 40}) {
        core::GameGlobals g;
        core::fillDefaultBestTen(g);
        g.BestTen[0] = best;
        g.PassValue = sendable ? protocol::passValueOf(best.Score, best.Level, best.Blocks) : 0;
        std::ofstream("Hisc.dat", std::ios::binary) << game::encodeHiscFile(g);
    }

    void storeName(const std::string& bytes) {
        std::ofstream("Name.dat", std::ios::binary) << bytes;
    }

    // Goes to the title screen, opens the dialog and runs the lines given; a dump follows once
    // the program has run a frame after the dialog.
    Printed run(std::uint16_t port, const std::string& lines) {
        std::ostringstream out;
        tools::ScriptRunner runner(out);
        runner.rankingDialog = [this, dialog = runner.rankingDialog](game::TForm1& owner) {
            ++openings;
            const int depth = ++openDialogs;
            deepest = std::max(deepest, depth);
            dialog(owner);
            --openDialogs;
        };
        std::istringstream script(
            "start\nframe 16\nkey space\nframe 16\nranking-host 127.0.0.1:" + std::to_string(port) +
            "\nkey enter +shift\nframe 16\n" + lines + "\nframe 16\ndump\n");
        runner.run(script);
        Printed printed;
        printed.endClockMs = runner.form()->Window().application().clock().milliseconds();
        std::istringstream text(out.str());
        for (std::string line; std::getline(text, line);) {
            (line.starts_with("{") ? printed.dumps : printed.others).push_back(line);
        }
        return printed;
    }

    testsupport::TempWorkingDirectory directory;
    int openings = 0;  // of the ranking dialog, in the last run
    int openDialogs = 0;
    int deepest = 0;  // most dialogs open at once
};

}  // namespace apptest
