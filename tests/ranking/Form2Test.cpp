// The dialog itself over an owner window on SDL's dummy drivers: the keyboard, typing through the
// text box, the application's modal loop, and its one request at a time.

#include "ranking/Form2.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/HeadlessDrivers.h"
#include "platform/Message.h"
#include "platform/Window.h"
#include "ranking/ModalLoop.h"
#include "tests/net/LoopbackServer.h"
#include "tests/support/TempDirectory.h"
#include "text/ShiftJis.h"

namespace {

using ranking::TForm2;

SDL_Event keyDown(SDL_Keycode key, Uint16 modifiers = KMOD_NONE) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    event.key.keysym.mod = modifiers;
    return event;
}

SDL_Event closeRequest(std::uint32_t windowId) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = windowId;
    return event;
}

SDL_Event textInput(const char* text) {
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    std::strncpy(event.text.text, text, sizeof event.text.text - 1);
    return event;
}

class Form2Test : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::useHeadlessDrivers();
        app = std::make_unique<platform::Application>(clock, boxes);
        app->setTitle("プドロク");
        ownerWindow = std::make_unique<platform::Window>(*app, "プドロク", 800, 600);
        settings.OpenUrl = [this](const std::string& url) { opened.push_back(url); };
    }

    void TearDown() override {
        ownerWindow.reset();
        app.reset();
    }

    void makeSendable() {
        best = {5001, 3, 40, 4958, {}};
        passValue = 4958;
    }

    ranking::RankingOwner owner() { return {*ownerWindow, best, passValue, playerName}; }

    // The sendable result, with replayFile, sent as Taro with the comment "hi" to host; then
    // View is clicked.
    void send(const std::string& host, const std::string& replayFile = {}) {
        makeSendable();
        best.ReplayFile = replayFile;
        settings.Host = host;
        TForm2 dialog(owner(), settings);
        dialog.Edit1.TypeOver("Taro");
        dialog.Edit2.TypeOver("hi");
        dialog.Click(dialog.Button1);
        dialog.Click(dialog.Button3);
    }

    std::string lastMessage() const {
        return boxes.shown().empty() ? "<none>" : boxes.shown().back().text;
    }

    void press(TForm2& dialog, SDL_Keycode key, Uint16 modifiers = KMOD_NONE) {
        dialog.Window().onRawEvent(keyDown(key, modifiers));
    }

    testsupport::TempWorkingDirectory directory;
    platform::ManualClock clock{1000};
    platform::RecordedMessageBoxes boxes;
    std::unique_ptr<platform::Application> app;
    std::unique_ptr<platform::Window> ownerWindow;
    // The default table's first place, which the default check value 0 does not allow to send.
    ranking::BestResult best{5000, 10, 100, 4890, {}};
    std::int32_t passValue = 0;
    std::string playerName;
    ranking::RankingSettings settings;
    std::vector<std::string> opened;
};

TEST_F(Form2Test, TabFollowsTheTabOrderPastDisabledButtonsAndSpaceClicks) {
    TForm2 dialog(owner(), settings);  // the default table is not sendable: Button2 has the focus
    ASSERT_FALSE(dialog.SendEnabled());
    press(dialog, SDLK_RETURN);  // no default button
    press(dialog, SDLK_ESCAPE);  // no cancel button
    EXPECT_FALSE(dialog.Closed());

    for (int i = 0; i < 3; ++i) {  // Edit1, Edit2, Button3
        press(dialog, SDLK_TAB);
    }
    press(dialog, SDLK_SPACE);
    EXPECT_EQ(opened.size(), 1u);

    press(dialog, SDLK_TAB, KMOD_LSHIFT);  // back to Edit2
    press(dialog, SDLK_TAB);
    press(dialog, SDLK_TAB);  // Button1 is disabled: on to Button2
    press(dialog, SDLK_SPACE);
    EXPECT_TRUE(dialog.Closed());
    EXPECT_EQ(opened.size(), 1u);
}

TEST_F(Form2Test, TypingThroughTheBoxKeepsToItsLimitAndToShiftJis) {
    TForm2 dialog(owner(), settings);
    press(dialog, SDLK_TAB);  // Edit1
    dialog.Paint();
    dialog.Paint();  // the box takes the keyboard
    dialog.Window().onRawEvent(textInput("あいうえおか"));
    dialog.Window().onRawEvent(textInput("€きくけこさし"));
    dialog.Paint();
    EXPECT_EQ(dialog.Edit1.Text, "あいうえおかきくけこ");
}

TEST_F(Form2Test, TheApplicationLoopRunsTheDialogUntilItsCloseBoxThenReleasesIt) {
    playerName = "Taro";
    {
        TForm2 dialog(owner(), settings);
        dialog.Edit1.TypeOver("花子");
        SDL_Event motion{};
        motion.type = SDL_MOUSEMOTION;
        motion.motion.windowID = dialog.Window().id();
        SDL_PushEvent(&motion);  // still queued for the dialog when its close box ends the loop
        platform::Message close;
        close.kind = platform::MessageKind::Close;
        close.windowId = dialog.Window().id();
        app->post(close);
        ranking::ApplicationModalLoop loop;
        dialog.ShowModal(loop);
        EXPECT_TRUE(dialog.Closed());
    }
    app->processMessages();         // nothing is left that reaches for the released dialog
    EXPECT_EQ(playerName, "Taro");  // only Button2 stores the name
}

TEST_F(Form2Test, SendStaysDisabledWhileItsOwnRequestRuns) {
    nettest::LoopbackServer server(
        [](int, const std::string&) { return nettest::whole("HTTP/1.0 200 OK\r\n\r\n"); });
    settings.Host = "127.0.0.1:" + std::to_string(server.port());
    makeSendable();
    TForm2 dialog(owner(), settings);
    dialog.Edit1.TypeOver("Taro");
    dialog.Edit2.TypeOver("hi");
    bool enabledMeanwhile = true;
    dialog.HttpClient1.OnConnect = [&](net::TSocketClient&) {
        enabledMeanwhile = dialog.SendEnabled();
        dialog.Click(dialog.Button1);
    };
    dialog.Click(dialog.Button1);
    EXPECT_FALSE(enabledMeanwhile);
    EXPECT_EQ(server.connections(), 1);
    EXPECT_EQ(boxes.shown().size(), 1u);  // the success message
    EXPECT_FALSE(dialog.SendEnabled());
}

TEST_F(Form2Test, TheDesktopsCloseRequestReachesTheCloseBox) {
    playerName = "Taro";
    TForm2 dialog(owner(), settings);
    dialog.Edit1.TypeOver("花子");
    SDL_Event close = closeRequest(dialog.Window().id());
    SDL_PushEvent(&close);
    app->processMessages();
    EXPECT_TRUE(dialog.Closed());
    EXPECT_FALSE(app->terminated());  // the game goes on
    EXPECT_EQ(playerName, "Taro");
}

// Each way out of the dialog, taken while its request waits for a server that never answers:
// the request ends at once, and no message box follows the close.
TEST_F(Form2Test, ClosingWhileTheRequestWaitsAbortsItAndTellsNothing) {
    makeSendable();
    for (const bool byButton : {false, true}) {
        SCOPED_TRACE(byButton ? "閉じる" : "close box");
        playerName = "Taro";
        boxes.clear();
        TForm2 dialog(owner(), settings);
        const std::uint32_t id = dialog.Window().id();
        std::vector<SDL_Event> events;
        if (byButton) {
            for (SDL_Keycode key : {SDLK_TAB, SDLK_SPACE}) {  // from Button1 on to Button2
                events.push_back(keyDown(key));
                events.back().key.windowID = id;
            }
        } else {
            events.push_back(closeRequest(id));
        }
        nettest::LoopbackServer server([&events](int, const std::string&) {
            for (SDL_Event event : events) {
                SDL_PushEvent(&event);
            }
            return nettest::silent();
        });
        settings.Host = "127.0.0.1:" + std::to_string(server.port());
        dialog.Edit1.TypeOver("花子");
        dialog.Edit2.TypeOver("hi");
        const std::uint32_t before = clock.milliseconds();
        dialog.Click(dialog.Button1);
        EXPECT_TRUE(dialog.Closed());
        EXPECT_LT(clock.milliseconds() - before, 1000u);  // not the 30-second bound
        EXPECT_EQ(server.requests().size(), 1u);
        EXPECT_TRUE(boxes.shown().empty());
        EXPECT_EQ(passValue, 4958);
        EXPECT_EQ(playerName, byButton ? text::toShiftJis("花子") : "Taro");
    }
}

constexpr const char* Cgi = "/~mirel/soft/pudorock/ra_pudorock/ranking.cgi";
constexpr const char* EntryQuery =
    "?command=entry&name=Taro&score=5001&level=3&tama=40&pass_s=4958&comment=hi";
constexpr const char* SentText =
    "送信成功です！\rハイスコア申請ありがとうございました。\rランキングの確認は\r";

TEST_F(Form2Test, AResultWithItsReplayGoesAsThePostsBodyAndOneWithoutAsAGet) {
    const std::string replayFile("PDRP\0\x01\r\n\r\n\xff end", 15);
    nettest::LoopbackServer server(
        [](int, const std::string&) { return nettest::whole("HTTP/1.0 200 OK\r\n\r\n"); });
    const std::string host = "127.0.0.1:" + std::to_string(server.port());
    send(host, replayFile);
    send(host);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    const std::string& post = requests[0];
    EXPECT_TRUE(post.starts_with("POST " + std::string(Cgi) + EntryQuery + " HTTP/1.0\r\n"));
    EXPECT_NE(post.find("\r\nContent-Type: application/x-pudorock-replay\r\n"), std::string::npos);
    EXPECT_NE(post.find("\r\nContent-Length: 15\r\n"), std::string::npos);
    EXPECT_TRUE(post.ends_with("\r\n\r\n" + replayFile));
    EXPECT_TRUE(requests[1].starts_with("GET " + std::string(Cgi) + EntryQuery + " HTTP/1.0\r\n"));
    EXPECT_EQ(requests[1].find("Content-Length"), std::string::npos);
}

// The rank joins the success message, and View opens the page with the entry's row; an older
// server's answer, without the lines, leaves both as they were.
TEST_F(Form2Test, TheAnswersRankIsToldAndViewOpensTheEntrysRow) {
    struct Case {
        std::string headerLines;
        std::string messageEnd;
        std::string viewed;  // after the CGI's URL
    };
    for (const Case& c : {
             Case{"X-Ranking-Rank: 101\r\nX-Ranking-Entry: 77\r\n", "\r101 位です。",
                  "?command=view&page=2#entry-77"},
             Case{"x-ranking-entry:5\nX-RANKING-RANK:\t1 \n", "\r1 位です。",
                  "?command=view&page=1#entry-5"},
             Case{"", "", ""},
         }) {
        SCOPED_TRACE(c.headerLines);
        nettest::LoopbackServer server([&c](int, const std::string&) {
            return nettest::whole("HTTP/1.0 200 OK\r\n" + c.headerLines + "\r\n<html>");
        });
        const std::string host = "127.0.0.1:" + std::to_string(server.port());
        const std::string cgiUrl = "http://" + host + Cgi;
        opened.clear();
        send(host);
        EXPECT_EQ(lastMessage(), SentText + cgiUrl + "\rにアクセスして下さい。" + c.messageEnd);
        EXPECT_EQ(opened, std::vector<std::string>{cgiUrl + c.viewed});
    }
}

// No server at the address: the message names it. A server that took the connection and then
// failed is the old message's case.
TEST_F(Form2Test, AnAddressWithoutAServerIsNamedInTheMessage) {
    const nettest::ClosedPort closed;
    const nettest::DeafPort deaf;
    const std::string closedHost = "127.0.0.1:" + std::to_string(closed.port());
    const std::string deafHost = "127.0.0.1:" + std::to_string(deaf.port());
    for (const auto& [host, message] : std::vector<std::pair<std::string, std::string>>{
             {closedHost,
              "送信できません。\rランキングサーバー (" + closedHost + ") に接続できません。"},
             {"no-such-host.invalid:8081",
              "送信できません。\rランキングサーバー (no-such-host.invalid:8081) "
              "に接続できません。"},
             {deafHost, "送信できません。\rインターネット接続を確認して下さい。"},
         }) {
        SCOPED_TRACE(host);
        send(host);
        EXPECT_EQ(lastMessage(), message);
        EXPECT_EQ(passValue, 4958);
    }
}

}  // namespace
