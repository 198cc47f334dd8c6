#pragma once
// A scripted run of the real game in a temporary working folder, and what it printed.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/HeadlessDrivers.h"
#include "tests/support/TempDirectory.h"
#include "tools/script/ScriptRunner.h"

namespace testsupport {

class ScriptTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::useHeadlessDrivers(); }

    // Runs a script and returns what it printed.
    std::string run(const std::string& script) {
        std::ostringstream out;
        tools::ScriptRunner runner(out);
        std::istringstream in(script);
        runner.run(in);
        return out.str();
    }

    static std::string field(const std::string& dump, const std::string& name) {
        auto at = dump.find("\"" + name + "\":");
        if (at == std::string::npos) {
            return "";
        }
        at += name.size() + 3;
        return dump.substr(at, dump.find_first_of(",}", at) - at);
    }

    // The JSON lines among what a script printed.
    static std::vector<std::string> dumps(const std::string& text) {
        std::vector<std::string> result;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);) {
            if (line.starts_with("{")) {
                result.push_back(line);
            }
        }
        return result;
    }

    testsupport::TempWorkingDirectory directory;
};

}  // namespace testsupport
