// Whole runs of the game from the title screen through the ranking dialog, driven by the
// scripted runner, against a scripted server on 127.0.0.1.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "platform/DesktopRequests.h"
#include "tests/app/RankingDialogRun.h"
#include "text/ShiftJis.h"

namespace {

using apptest::Cgi;
using apptest::field;
using apptest::fileBytes;
using apptest::Printed;
using apptest::RankingDialogTest;
using apptest::statusReply;

constexpr const char* ReadyText =
    "ハイスコアの送信準備OKです。\rインターネットの接続をして[送信]ボタンを押して下さい。";
constexpr const char* RefusedText =
    "このデータを送信する事はできません。\r送信済データか送信不可なデータです。";
const std::string SendFailedText = "送信できません。\rインターネット接続を確認して下さい。";

std::string request(const std::string& query) {
    return "GET " + std::string(Cgi) + "?" + query +
           " HTTP/1.0\r\n"
           "Host: 127.0.0.1\r\n"
           "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n"
           "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n"
           "Content-type: application/x-www-form-urlencoded\r\n"
           "\r\n";
}

// A field of a query as any CGI decodes it.
std::string decodedField(const std::string& requestText, const std::string& key) {
    const std::size_t start = requestText.find("&" + key + "=") + key.size() + 2;
    const std::string value =
        requestText.substr(start, requestText.find_first_of("& ", start) - start);
    std::string bytes;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '+') {
            bytes += ' ';
        } else if (value[i] == '%') {
            bytes += static_cast<char>(std::stoi(value.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            bytes += value[i];
        }
    }
    return bytes;
}

TEST_F(RankingDialogTest, SendsTheBestResultOnceThenRefusesIt) {
    storeBestResult(true);
    storeName("Taro");
    nettest::LoopbackServer server([](int, const std::string&) { return statusReply(200); });
    const std::string url = "http://127.0.0.1:" + std::to_string(server.port()) + Cgi;
    const Printed printed = run(server.port(), R"(
        dump
        type comment good game
        click send
        dump
        click send
        click close
        frame 16
        dump
        key enter +shift
        frame 16
        dump
        click closebox
    )");
    ASSERT_EQ(printed.dumps.size(), 5u);
    const std::string& opened = printed.dumps[0];
    EXPECT_EQ(field(opened, "dialog_open"), "true");
    EXPECT_EQ(field(opened, "dialog_label1"), ReadyText);
    EXPECT_EQ(field(opened, "dialog_send_enabled"), "true");
    EXPECT_EQ(field(opened, "dialog_name"), "Taro");
    EXPECT_EQ(field(opened, "timer_enabled"), "false");
    EXPECT_EQ(field(opened, "fullscreen"), "true");  // the game window stays as it was

    ASSERT_EQ(server.requests().size(), 1u);  // the second click found Button1 disabled
    EXPECT_EQ(server.requests()[0],
              request("command=entry&name=Taro&score=5001&level=3&tama=40&pass_s=4958"
                      "&comment=good+game"));
    EXPECT_TRUE(
        printed.has("msgbox: プドロク: 送信成功です！\rハイスコア申請ありがとうございました。"
                    "\rランキングの確認は\r" +
                    url + "\rにアクセスして下さい。"));
    EXPECT_EQ(printed.messageBoxes(), 1);
    EXPECT_EQ(field(printed.dumps[1], "pass_value"), "0");
    EXPECT_EQ(field(printed.dumps[1], "dialog_send_enabled"), "false");

    for (const std::string& closed : {printed.dumps[2], printed.dumps[4]}) {
        EXPECT_EQ(field(closed, "dialog_open"), "false");
        EXPECT_EQ(field(closed, "fullscreen"), "true");
        EXPECT_EQ(field(closed, "display_initialized"), "true");
        EXPECT_EQ(field(closed, "timer_enabled"), "true");
        EXPECT_EQ(field(closed, "state"), "3");
    }
    EXPECT_EQ(field(printed.dumps[3], "dialog_label1"), RefusedText);
    EXPECT_EQ(field(printed.dumps[3], "dialog_send_enabled"), "false");
}

TEST_F(RankingDialogTest, TheGameWindowTakesNoKeysWhileTheDialogIsOpen) {
    storeBestResult(true);
    storeName("Taro");
    // Slow enough that the request's wait handles the queued keys.
    nettest::LoopbackServer server([](int, const std::string&) {
        return nettest::bytewise("HTTP/1.0 200 OK\r\n\r\nbody", 10);
    });
    const Printed printed = run(server.port(), R"(
        key enter +shift
        type comment hi
        click send
        key enter +shift
        key space
        pump
        dump
        key enter +shift
        click close
        frame 16
        dump
        key enter +shift
        frame 16
        dump
        click close
    )");
    EXPECT_EQ(openings, 2);
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(server.connections(), 1);
    ASSERT_EQ(printed.dumps.size(), 4u);
    EXPECT_EQ(field(printed.dumps[0], "dialog_open"), "true");
    EXPECT_EQ(field(printed.dumps[0], "state"), "3");  // Space did not start a game
    EXPECT_EQ(field(printed.dumps[1], "dialog_open"), "false");
    EXPECT_EQ(field(printed.dumps[2], "dialog_open"), "true");  // keys reach the game again
    EXPECT_EQ(field(printed.dumps[3], "timer_enabled"), "true");
}

TEST_F(RankingDialogTest, ARefusalShowsItsStatusAndChangesNothing) {
    storeBestResult(true);
    nettest::LoopbackServer server([](int, const std::string&) { return statusReply(404); });
    const Printed printed = run(server.port(), R"(
        type name Taro
        type comment hi
        click send
        dump
        click close
    )");
    EXPECT_EQ(server.connections(), 1);
    EXPECT_TRUE(
        printed.has("msgbox: プドロク: 送信できません。\rサーバーが受け付けませんでした (404)。"));
    EXPECT_EQ(printed.messageBoxes(), 1);
    EXPECT_EQ(field(printed.dumps[0], "pass_value"), "4958");
    EXPECT_EQ(field(printed.dumps[0], "dialog_send_enabled"), "true");
}

TEST_F(RankingDialogTest, ARefusedConnectionNamesTheServerAndTheGameComesBack) {
    storeBestResult(true);
    nettest::ClosedPort closed;
    const Printed printed = run(closed.port(), R"(
        type name Taro
        type comment hi
        click send
        dump
        click closebox
    )");
    EXPECT_TRUE(printed.has("msgbox: プドロク: 送信できません。\rランキングサーバー (127.0.0.1:" +
                            std::to_string(closed.port()) + ") に接続できません。"));
    EXPECT_EQ(field(printed.dumps[0], "dialog_send_enabled"), "true");
    EXPECT_EQ(field(printed.dumps[0], "pass_value"), "4958");
    EXPECT_EQ(field(printed.dumps[1], "fullscreen"), "true");
    EXPECT_EQ(field(printed.dumps[1], "timer_enabled"), "true");
}

// The runner's clock passes while the request waits, so the request's bound ends it in moments.
TEST_F(RankingDialogTest, ASilentServerFailsTheSendAfterThirtySecondsOfTheRunnersClock) {
    storeBestResult(true);
    nettest::LoopbackServer server([](int, const std::string&) { return nettest::silent(); });
    const auto realStart = std::chrono::steady_clock::now();
    const Printed printed = run(server.port(), R"(
        type name Taro
        type comment hi
        dump
        click send
        dump
        click close
    )");
    EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::seconds(3));
    EXPECT_EQ(printed.messageBoxes(), 1);
    EXPECT_TRUE(printed.has("msgbox: プドロク: " + SendFailedText));
    const long waited = std::stol(field(printed.dumps[1], "clock_ms")) -
                        std::stol(field(printed.dumps[0], "clock_ms"));
    EXPECT_GE(waited, 30'000);
    EXPECT_LE(waited, 31'000);
    EXPECT_EQ(field(printed.dumps[1], "pass_value"), "4958");
    EXPECT_EQ(field(printed.dumps[1], "dialog_send_enabled"), "true");
}

// Replies that are no 2xx status line: each is a failed send that changes and saves nothing.
TEST_F(RankingDialogTest, RepliesWithoutASuccessStatusLineFailTheSend) {
    for (const nettest::Reply& reply :
         {nettest::whole(""), nettest::garbage(5000), nettest::whole("HTTP/1.0 2OO OK\r\n\r\n"),
          nettest::whole("200 OK\r\n\r\n")}) {
        storeBestResult(true);
        const std::string stored = fileBytes("Hisc.dat");
        nettest::LoopbackServer server([&reply](int, const std::string&) { return reply; });
        const Printed printed = run(server.port(), R"(
            type name Taro
            type comment hi
            click send
            dump
            click closebox
        )");
        EXPECT_EQ(printed.messageBoxes(), 1);
        EXPECT_TRUE(printed.has("msgbox: プドロク: " + SendFailedText));
        EXPECT_EQ(field(printed.dumps[0], "pass_value"), "4958");
        EXPECT_EQ(fileBytes("Hisc.dat"), stored);  // the exit's save keeps the check value
    }
}

// The desktop's quit (logout, SIGTERM) while the request waits: the request ends at once, the
// dialog closes without a word and the program ends the normal way, saving the table.
TEST_F(RankingDialogTest, AQuitWhileTheRequestWaitsEndsTheProgramWithTheTableSaved) {
    storeBestResult(true);
    const std::string stored = fileBytes("Hisc.dat");
    nettest::LoopbackServer server([](int, const std::string&) {
        std::filesystem::remove("Hisc.dat");  // read at the start; the end must write it again
        platform::pushQuitRequest();
        return nettest::silent();
    });
    const Printed printed = run(server.port(), R"(
        type name Taro
        type comment hi
        click send
    )");
    EXPECT_LT(printed.endClockMs, 5000u);  // far from the request's 30-second bound
    EXPECT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(printed.messageBoxes(), 0);
    EXPECT_TRUE(printed.dumps.empty());  // the lines after the quit did not run
    EXPECT_EQ(fileBytes("Hisc.dat"), stored);
    EXPECT_TRUE(std::filesystem::exists("Name.dat"));
}

TEST_F(RankingDialogTest, EmptyBoxesAreNamedAndNothingIsSent) {
    storeBestResult(true);
    nettest::LoopbackServer server([](int, const std::string&) { return statusReply(200); });
    const Printed printed = run(server.port(), R"(
        click send
        type comment hi
        click send
        type name Taro
        type comment
        click send
        click close
    )");
    EXPECT_EQ(printed.others[0], "msgbox: プドロク: コメントが記入されてません。");  // both empty
    EXPECT_EQ(printed.others[1], "msgbox: プドロク: 名前が記入されてません。");
    EXPECT_EQ(printed.others[2], "msgbox: プドロク: コメントが記入されてません。");
    EXPECT_EQ(server.connections(), 0);
}

TEST_F(RankingDialogTest, NamesAndCommentsGoAsEncodedShiftJisThatDecodesBackExactly) {
    storeBestResult(true);
    storeName("Player\nNumber Eighteen");  // remembered, longer than 10, with a line end
    nettest::LoopbackServer server([](int, const std::string&) { return statusReply(404); });
    run(server.port(), R"(
        type comment a b&c=d\x23e+%
        click send
        type name \x20\x20
        type comment ゲーム？
        click send
        type name 太郎 & Co
        click send
        click closebox
    )");
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0], request("command=entry&name=Player%0ANumber+Eighteen&score=5001"
                                   "&level=3&tama=40&pass_s=4958&comment=a+b%26c%3Dd%23e%2B%25"));
    EXPECT_EQ(decodedField(requests[0], "comment"), "a b&c=d#e+%");
    EXPECT_EQ(decodedField(requests[1], "name"), "  ");
    EXPECT_EQ(decodedField(requests[1], "comment"), text::toShiftJis("ゲーム？"));
    EXPECT_NE(requests[2].find("&name=%91%BE%98Y+%26+Co&"), std::string::npos);
    EXPECT_EQ(decodedField(requests[2], "name"), text::toShiftJis("太郎 & Co"));
}

TEST_F(RankingDialogTest, FullLengthJapaneseGoesWholeAndAHugeRememberedNameIsRefused) {
    const std::string comment =
        "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらり";
    storeBestResult(true);
    storeName(std::string(2100, 'N'));  // a remembered name has no length limit
    nettest::LoopbackServer server([](int, const std::string&) { return statusReply(404); });
    const Printed printed = run(server.port(),
                                "type comment x\nclick send\n"
                                "type name 名前名前名前名前名前\n"
                                "type comment " +
                                    comment +
                                    "\nclick send\n"
                                    "click close\n");
    EXPECT_TRUE(printed.has(
        "msgbox: プドロク: 名前とコメントが長すぎて送信できません。\r短くして下さい。"));
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);  // only the second press went out
    EXPECT_EQ(decodedField(requests[0], "name"), text::toShiftJis("名前名前名前名前名前"));
    EXPECT_EQ(decodedField(requests[0], "comment"), text::toShiftJis(comment));
}

TEST_F(RankingDialogTest, OnlyTheCloseButtonStoresTheTypedName) {
    storeName("Taro");
    const Printed printed = run(1, R"(
        type name 花子さん、こんにちは
        click closebox
        frame 16
        dump
        key enter +shift
        frame 16
        type name 花子
        click close
    )");
    EXPECT_EQ(field(printed.dumps[0], "player_name_hex"), "5461726f");  // Taro
    EXPECT_EQ(field(printed.dumps[1], "player_name_hex"), "89d48e71");  // 花子
    EXPECT_EQ(fileBytes("Name.dat"), "\x89\xd4\x8e\x71");
}

TEST_F(RankingDialogTest, TypingKeepsToTheLimitAndViewOpensTheRankingPage) {
    const Printed printed = run(8080, R"(
        type name ABCDEFGHIJKL
        type comment ok😀€!
        click view
        dump
        click close
    )");
    EXPECT_TRUE(printed.has("open-url: http://127.0.0.1:8080" + std::string(Cgi)));
    EXPECT_EQ(field(printed.dumps[0], "dialog_open"), "true");
    EXPECT_EQ(field(printed.dumps[0], "dialog_name"), "ABCDEFGHIJ");
    EXPECT_EQ(field(printed.dumps[0], "dialog_comment"), "ok!");
}

TEST_F(RankingDialogTest, ScriptErrorsInsideTheDialogNameTheirLineAndCloseIt) {
    std::ostringstream out;
    tools::ScriptRunner runner(out);
    std::istringstream script(
        "start\nframe 16\nkey space\nframe 16\nkey enter +shift\nframe 16\n"
        "type name x\nframe 16\n");
    try {
        runner.run(script);
        FAIL();
    } catch (const tools::ScriptError& error) {
        EXPECT_STREQ(error.what(), "line 8: frame: not while the ranking dialog is open");
    }
    EXPECT_TRUE(runner.form()->FrameTimer1.Enabled());
    EXPECT_THROW(runner.execute("type name y"), std::logic_error);  // the dialog is gone
}

}  // namespace
