#include "platform/Application.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/DisabledWindow.h"
#include "platform/FatalError.h"
#include "platform/HeadlessDrivers.h"
#include "platform/Window.h"

namespace {

using platform::Application;
using platform::ManualClock;
using platform::Message;
using platform::MessageKind;
using platform::RecordedMessageBoxes;

class ApplicationTest : public ::testing::Test {
  protected:
    Message task(std::function<void()> run) {
        Message message;
        message.task = std::move(run);
        return message;
    }

    // Chosen before the application below starts SDL.
    struct HeadlessDrivers {
        HeadlessDrivers() { platform::useHeadlessDrivers(); }
    } drivers;
    ManualClock clock{1000};
    RecordedMessageBoxes boxes;
    Application app{clock, boxes};
};

TEST_F(ApplicationTest, DispatchesOneMessagePerTurnAndIdlesOnlyWhenTheQueueIsEmpty) {
    std::vector<std::string> log;
    app.setIdleHook([&](bool& done) {
        log.push_back("idle");
        done = false;
    });
    app.post(task([&] { log.push_back("a"); }));
    app.post(task([&] { log.push_back("b"); }));

    EXPECT_FALSE(app.handleMessage(false));
    EXPECT_FALSE(app.handleMessage(false));
    EXPECT_TRUE(app.handleMessage(false));
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "idle"}));
}

TEST_F(ApplicationTest, IdleHookIsOneSlot) {
    int first = 0;
    int second = 0;
    app.setIdleHook([&](bool&) { ++first; });
    app.setIdleHook([&](bool&) { ++second; });
    app.handleMessage(false);
    app.clearIdleHook();
    app.handleMessage(false);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
}

TEST_F(ApplicationTest, ProcessMessagesDispatchesEverythingWithoutAnIdlePass) {
    int idles = 0;
    int tasks = 0;
    app.setIdleHook([&](bool&) { ++idles; });
    for (int i = 0; i < 3; ++i) {
        app.post(task([&] { ++tasks; }));
    }
    app.processMessages();
    EXPECT_EQ(tasks, 3);
    EXPECT_EQ(idles, 0);
}

TEST_F(ApplicationTest, PostFromAnotherThreadWakesABlockedLoop) {
    bool ran = false;
    std::thread poster([&] { app.postTask([&] { ran = true; }); });
    poster.join();
    app.handleMessage(true);  // an idle pass that blocks until the posted wake-up
    app.processMessages();
    EXPECT_TRUE(ran);
}

TEST_F(ApplicationTest, AnExceptionInADispatchIsReportedAndTheLoopGoesOn) {
    app.setTitle("プドロク");
    bool later = false;
    app.post(task([] { throw std::runtime_error("ファイルが見つかりません"); }));
    app.post(task([&] { later = true; }));
    app.processMessages();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].caption, "プドロク");
    EXPECT_EQ(boxes.shown()[0].text, "ファイルが見つかりません.");
    EXPECT_EQ(boxes.shown()[0].icon, platform::MessageIcon::Error);
    EXPECT_TRUE(later);
}

TEST_F(ApplicationTest, AnExceptionInTheIdleHookKeepsTheLoopRunning) {
    int passes = 0;
    app.setIdleHook([&](bool& done) {
        done = false;
        ++passes;
        throw std::runtime_error("frame");
    });
    app.handleMessage(false);
    app.handleMessage(false);
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

TEST_F(ApplicationTest, AFatalErrorLeavesTheLoopUnreportedFromADispatchOrTheIdleHook) {
    app.post(task([] { throw platform::FatalError("no font"); }));
    EXPECT_THROW(app.processMessages(), platform::FatalError);
    app.setIdleHook([](bool&) { throw platform::FatalError("no font"); });
    EXPECT_THROW(app.run(), platform::FatalError);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ApplicationTest, TimersFireAsQueuedMessagesAtMostOneAtATime) {
    int fired = 0;
    auto id = app.setTimer(100, [&] { ++fired; });
    app.processMessages();
    EXPECT_EQ(fired, 0);
    clock.advance(350);  // three intervals late: still one firing queued
    app.processMessages();
    EXPECT_EQ(fired, 1);
    clock.advance(100);
    app.processMessages();
    EXPECT_EQ(fired, 2);
    app.killTimer(id);
    clock.advance(500);
    app.processMessages();
    EXPECT_EQ(fired, 2);
}

TEST_F(ApplicationTest, ATimerMayKillItselfWhileFiring) {
    int fired = 0;
    Application::TimerId id = 0;
    id = app.setTimer(10, [&] {
        ++fired;
        app.killTimer(id);
    });
    clock.advance(10);
    app.processMessages();
    clock.advance(10);
    app.processMessages();
    EXPECT_EQ(fired, 1);
}

TEST_F(ApplicationTest, MainWindowHooksSeeActivationMessages) {
    platform::Window window(app, "main", 80, 60);
    std::vector<MessageKind> seen;
    auto hook =
        app.addMainWindowHook([&](const Message& message) { seen.push_back(message.kind); });
    app.post(Message{MessageKind::Deactivate, 0, 0, {}, {}});
    app.post(Message{MessageKind::Activate, 0, 0, {}, {}});
    app.processMessages();
    app.removeMainWindowHook(hook);
    app.post(Message{MessageKind::Deactivate, 0, 0, {}, {}});
    app.processMessages();
    EXPECT_EQ(seen, (std::vector<MessageKind>{MessageKind::Deactivate, MessageKind::Activate}));
}

TEST_F(ApplicationTest, KeysReachTheWindowHandlersAndCloseTerminatesByDefault) {
    platform::Window window(app, "main", 80, 60);
    std::uint16_t downKey = 0;
    platform::ShiftState downShift;
    char pressed = 0;
    window.onKeyDown = [&](std::uint16_t& key, platform::ShiftState shift) {
        downKey = key;
        downShift = shift;
    };
    window.onKeyPress = [&](char& key) { pressed = key; };
    app.post(Message{MessageKind::KeyDown, 0, platform::vk::Return, {true, false, false}, {}});
    app.post(Message{MessageKind::KeyPress, 0, '7', {}, {}});
    app.processMessages();
    EXPECT_EQ(downKey, platform::vk::Return);
    EXPECT_TRUE(downShift.shift);
    EXPECT_EQ(pressed, '7');

    app.post(Message{MessageKind::Close, 0, 0, {}, {}});
    app.processMessages();
    EXPECT_TRUE(app.terminated());
}

TEST_F(ApplicationTest, ADisabledWindowTakesNoInputButStillItsWindowEvents) {
    platform::Window window(app, "main", 80, 60);
    int keys = 0;
    int paints = 0;
    window.onKeyDown = [&](std::uint16_t&, platform::ShiftState) { ++keys; };
    window.onKeyPress = [&](char&) { ++keys; };
    window.addPaintListener([&] { ++paints; });
    auto push = [&](SDL_EventType type) {
        SDL_Event event{};
        event.type = type;
        event.key.windowID = window.id();
        event.key.keysym.scancode = SDL_SCANCODE_RETURN;
        event.key.keysym.sym = SDLK_RETURN;
        SDL_PushEvent(&event);
    };
    app.post(Message{MessageKind::KeyDown, 0, platform::vk::Return, {}, {}});  // queued before
    {
        const platform::DisabledWindow disabled(window);
        push(SDL_KEYDOWN);
        app.post(Message{MessageKind::KeyPress, 0, '7', {}, {}});
        SDL_Event exposed{};
        exposed.type = SDL_WINDOWEVENT;
        exposed.window.windowID = window.id();
        exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
        SDL_PushEvent(&exposed);
        app.post(Message{MessageKind::Close, 0, 0, {}, {}});
        app.processMessages();
        EXPECT_EQ(keys, 0);
        EXPECT_EQ(paints, 1);
        EXPECT_TRUE(app.terminated());
        push(SDL_KEYDOWN);  // noticed while disabled, dispatched after
        app.handleMessage(false);
    }
    EXPECT_TRUE(window.enabled());
    app.processMessages();
    EXPECT_EQ(keys, 0);
    push(SDL_KEYDOWN);
    app.processMessages();
    EXPECT_EQ(keys, 1);
}

TEST_F(ApplicationTest, ADisabledWindowGetsNoRawInput) {
    platform::Window window(app, "dialog", 80, 60);
    std::vector<std::uint32_t> seen;
    window.onRawEvent = [&](const platform::RawEvent& event) { seen.push_back(event.type); };
    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.windowID = window.id();
    SDL_Event exposed{};
    exposed.type = SDL_WINDOWEVENT;
    exposed.window.windowID = window.id();
    exposed.window.event = SDL_WINDOWEVENT_EXPOSED;
    app.postTask([] {});
    SDL_PushEvent(&click);
    app.handleMessage(false);  // runs the task; the click, queued while enabled, waits
    window.setEnabled(false);
    SDL_PushEvent(&click);
    SDL_PushEvent(&exposed);
    app.processMessages();
    window.setEnabled(true);
    SDL_PushEvent(&click);
    app.processMessages();
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{SDL_WINDOWEVENT, SDL_MOUSEBUTTONDOWN}));
}

TEST_F(ApplicationTest, ABorderChangeTellsListenersBeforeTheWindowChanges) {
    platform::Window window(app, "main", 80, 60);
    int destroying = 0;
    window.addHandleDestroyingListener([&] { ++destroying; });
    window.setBorderStyle(platform::BorderStyle::None);
    window.setBorderStyle(platform::BorderStyle::None);
    window.setBorderStyle(platform::BorderStyle::Single);
    EXPECT_EQ(destroying, 2);
}

TEST_F(ApplicationTest, FirstShowNotifiesOnce) {
    platform::Window window(app, "main", 80, 60);
    int shows = 0;
    window.addFirstShowListener([&] { ++shows; });
    window.show();
    window.hide();
    window.show();
    EXPECT_EQ(shows, 1);
}

TEST_F(ApplicationTest, QueuedRawEventsOfAWindowDestroyedMeanwhileAreDropped) {
    platform::Window main(app, "main", 80, 60);
    int seen = 0;
    {
        platform::Window dialog(app, "dialog", 80, 60);
        dialog.onRawEvent = [&](const platform::RawEvent&) { ++seen; };
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.windowID = dialog.id();
        event.key.keysym.sym = SDLK_a;
        app.postTask([] {});
        SDL_PushEvent(&event);
        app.handleMessage(false);  // runs the task and queues the key event behind it
    }
    app.processMessages();
    EXPECT_EQ(seen, 0);
}

}  // namespace
