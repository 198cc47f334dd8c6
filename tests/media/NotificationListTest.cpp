// The plumbing both devices share: order, catching up, letting go, and failures on the way in.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "media/NotificationList.h"

namespace media {
namespace {

struct Device {
    std::vector<int> joining{1, 2};
    std::vector<int> leaving{9};
};

class NotificationListTest : public ::testing::Test {
  protected:
    using List = NotificationList<Device, int>;

    List::Routine recorder(const std::string& name, int failOn = 0) {
        return [this, name, failOn](Device&, int kind) {
            log.push_back(name + ":" + std::to_string(kind));
            if (kind == failOn) {
                throw std::runtime_error(name + " failed");
            }
        };
    }

    Device device;
    List list{device, [this] { return device.joining; }, [this] { return device.leaving; }};
    std::vector<std::string> log;
};

TEST_F(NotificationListTest, CatchesUpOnJoiningAndTellsLastRegisteredFirst) {
    list.add(recorder("a"));
    list.add(recorder("b"));
    EXPECT_EQ(log, (std::vector<std::string>{"a:1", "a:2", "b:1", "b:2"}));
    log.clear();
    list.notify(5);
    EXPECT_EQ(log, (std::vector<std::string>{"b:5", "a:5"}));
}

TEST_F(NotificationListTest, ALeavingRoutineIsToldWhatToLetGoOfOnce) {
    device.joining.clear();
    const auto id = list.add(recorder("a"));
    list.remove(id);
    list.remove(id);
    list.notify(5);
    EXPECT_EQ(log, (std::vector<std::string>{"a:9"}));
}

TEST_F(NotificationListTest, ARoutineMayUnregisterAnotherWhileBeingTold) {
    device.joining.clear();
    device.leaving.clear();
    const auto a = list.add(recorder("a"));
    list.add([&](Device&, int) { list.remove(a); });
    list.notify(5);
    list.notify(6);
    EXPECT_EQ(log, (std::vector<std::string>{"a:5"}));
}

// A routine failing to catch up may already hold what the first kinds gave it.
TEST_F(NotificationListTest, AFailedRegistrationLetsGoAndDoesNotStay) {
    EXPECT_THROW(list.add(recorder("a", 2)), std::runtime_error);
    EXPECT_EQ(log, (std::vector<std::string>{"a:1", "a:2", "a:9"}));
    log.clear();
    list.notify(5);
    EXPECT_TRUE(log.empty());
}

TEST_F(NotificationListTest, AFailureToJoinIsReportedEvenWhenLettingGoFailsToo) {
    auto failing = [](Device&, int kind) {
        throw std::runtime_error(kind == 9 ? "cannot let go" : "cannot join");
    };
    try {
        list.add(failing);
        FAIL();
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "cannot join");
    }
}

}  // namespace
}  // namespace media
