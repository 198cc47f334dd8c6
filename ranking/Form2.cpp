#include "ranking/Form2.h"

#include <imgui.h>

#include <optional>
#include <stdexcept>
#include <utility>

#include "net/FormEncode.h"
#include "net/NetErrors.h"
#include "platform/DialogPlacement.h"
#include "platform/DisplayScale.h"
#include "platform/Font.h"
#include "platform/ScopedFlag.h"
#include "protocol/EntryQuery.h"
#include "ranking/ClassicControls.h"
#include "text/MessageLines.h"
#include "text/Placeholders.h"
#include "text/ShiftJis.h"
#include "text/Translation.h"

namespace ranking {

namespace {

constexpr const char* Caption = text::trLater("インターネットランキング送信");
constexpr int ClientWidth = 312;
// Room under the buttons for the line that names a refused character.
constexpr int ClientHeight = 224;
constexpr const char* FontFamily = "IPAPGothic";
constexpr float FontPixels = 12;

std::string readyText() {
    return text::joinedLines({text::tr("ハイスコアの送信準備OKです。"),
                              text::tr("インターネットの接続をして[送信]ボタンを押して下さい。")});
}
std::string refusedText() {
    return text::joinedLines({text::tr("このデータを送信する事はできません。"),
                              text::tr("送信済データか送信不可なデータです。")});
}
constexpr const char* NameMissingText = text::trLater("名前が記入されてません。");
constexpr const char* CommentMissingText = text::trLater("コメントが記入されてません。");
// Why a send failed, under the line that says it did.
std::string sendFailure(const std::string& reason) {
    return text::joinedLines({text::tr("送信できません。"), reason});
}
std::string sendFailedText() {
    return sendFailure(text::tr("インターネット接続を確認して下さい。"));
}
// The host, as the player set it, had no server to talk to.
std::string unreachableText(const std::string& host) {
    return sendFailure(
        text::filled(text::tr("ランキングサーバー (%s) に接続できません。"), {host}));
}
// The server's refusal, with its status number.
std::string serverRefusedText(int status) {
    return sendFailure(
        text::filled(text::tr("サーバーが受け付けませんでした (%s)。"), {std::to_string(status)}));
}
std::string tooLongText() {
    return text::joinedLines(
        {text::tr("名前とコメントが長すぎて送信できません。"), text::tr("短くして下さい。")});
}
// The success message: the ranking's address, and the entry's rank when the server told it.
std::string sentText(const std::string& url, std::optional<std::int64_t> rank) {
    const std::string sent = text::joinedLines(
        {text::tr("送信成功です！"), text::tr("ハイスコア申請ありがとうございました。"),
         text::tr("ランキングの確認は"), url, text::tr("にアクセスして下さい。")});
    return rank ? text::joinedLines(
                      {sent, text::filled(text::tr("%s 位です。"), {std::to_string(*rank)})})
                : sent;
}

// A typed text as a query value: its Shift-JIS bytes, form-encoded, so that no space, "&",
// "=", "#" or line end in it can break the request or forge a field.
std::string queryValue(const std::string& text) {
    return net::TFormEncoder::Encode(text::toShiftJis(text));
}

// As large as the owner's screen asks for, as far as the dialog fits on it.
DialogScale scaleFor(const platform::Window& owner) {
    return DialogScale(platform::fittingScale(platform::displayScale(owner), ClientWidth,
                                              ClientHeight, owner.usableArea()));
}

// Centred on the owner window, on its screen.
void placeOver(platform::Window& dialog, const platform::Window& owner) {
    const platform::ScreenArea ownerArea{owner.left(), owner.top(), owner.clientWidth(),
                                         owner.clientHeight()};
    const platform::ScreenPoint at = platform::centredPosition(
        ownerArea, dialog.clientWidth(), dialog.clientHeight(), owner.usableArea());
    dialog.setPosition(at.x, at.y);
}

// With its replay, the entry's query goes as a POST whose body is the file; without, as ever.
void sendEntry(net::THttpClient& client, const std::string& url, const std::string& replayFile) {
    if (replayFile.empty()) {
        client.Get(url);
    } else {
        client.Post(url, replayFile, std::string(protocol::ReplayContentType));
    }
}

}  // namespace

TForm2::TForm2(const RankingOwner& owner, const RankingSettings& settings)
    : Label1{{16, 0, 279, 24}, readyText()},
      Label2{{8, 32, 29, 12}, text::tr("Score")},
      LScore{{58, 32, 35, 12}, ""},
      Label6{{130, 32, 27, 12}, text::tr("Level")},
      LLevel{{164, 32, 33, 12}, ""},
      Label8{{235, 32, 29, 12}, text::tr("Block")},
      LBlock{{270, 32, 35, 12}, ""},
      Label3{{8, 72, 60, 24}, text::joinedLines({text::tr("名前"), text::tr("（10字以内）")})},
      Edit1{{72, 72, 89, 20}, protocol::NameCharacters, "", {}},
      Label5{{8, 104, 56, 24}, text::joinedLines({text::tr("コメント"), text::tr("(40字以内)")})},
      Edit2{{72, 104, 233, 20}, protocol::CommentCharacters, "", {}},
      Button1{{48, 136, 97, 33}, text::tr("送信"), true, [this] { Button1Click(); }},
      Button2{{176, 136, 89, 33}, text::tr("閉じる"), true, [this] { Button2Click(); }},
      Button3{{48, 176, 217, 25},
              text::tr("ｲﾝﾀﾈｰｯﾄﾗﾝｷﾝｸﾞ見る (ﾌﾞﾗｳｻﾞ起動)"),
              true,
              [this] { Button3Click(); }},
      HttpClient1(owner.Window.application()),
      owner_(owner),
      settings_(settings),
      scale_(scaleFor(owner.Window)),
      window_(owner.Window.application(), text::tr(Caption), scale_.pixels(ClientWidth),
              scale_.pixels(ClientHeight)),
      gui_(window_, platform::findJapaneseFontFile(FontFamily), FontPixels * scale_.factor()) {
    placeOver(window_, owner.Window);
    window_.setResizable(false);
    window_.setAlwaysOnTop(true);
    window_.onRawEvent = [this](const platform::RawEvent& event) { HandleRawEvent(event); };
    window_.onClose = [this] { CloseBox(); };
    applyClassicStyle(gui_.style());
    gui_.style().ScaleAllSizes(scale_.factor());
    HttpClient1.OnSuccess = [this](net::CmdType cmd) { HttpClient1Success(cmd); };
    HttpClient1.OnConnect = [this](net::TSocketClient&) { connected_ = true; };
    FormCreate();
    focus_ = Focusable(TabOrder()[0]) ? 0 : 1;
}

void TForm2::FormCreate() {
    const BestResult& best = owner_.Best;
    if (owner_.PassValue != best.SendablePassValue) {
        Label1.Caption = refusedText();
        Button1.Enabled = false;
    }
    LScore.Caption = std::to_string(best.Score);
    LLevel.Caption = std::to_string(best.Level);
    LBlock.Caption = std::to_string(best.Blocks);
    Edit1.Text = text::fromShiftJis(owner_.PlayerName);
}

void TForm2::ShowModal(ModalLoop& loop) {
    // Released only once the messages already queued for its window are handled: they hold
    // the window, which goes with the dialog.
    class Release {
      public:
        explicit Release(TForm2& dialog) : dialog_(dialog) {}
        ~Release() {
            dialog_.window_.hide();
            dialog_.Application().processMessages();
        }
        Release(const Release&) = delete;
        Release& operator=(const Release&) = delete;

      private:
        TForm2& dialog_;
    };
    window_.show();
    window_.raise();
    Release release(*this);
    loop.run(*this);
}

void TForm2::Click(TButton& button) {
    if (Usable(button)) {
        button.OnClick();
    }
}

void TForm2::CloseBox() {
    Close();
}

void TForm2::Close() {
    if (requestRunning_) {
        HttpClient1.Abort();  // the request ends with the dialog, not after it
    }
    closed_ = true;
    window_.hide();
}

void TForm2::Button1Click() {
    std::string message;
    if (Edit1.Text.empty()) {
        message = text::tr(NameMissingText);
    }
    if (Edit2.Text.empty()) {
        message = text::tr(CommentMissingText);
    }
    if (!message.empty()) {
        ShowMessage(message);
        return;
    }
    RankingUrl = rankingCgiUrl(settings_.Host);
    const std::string query = Query();
    // One request at a time on the one client.
    platform::ScopedFlag requestUnderWay(requestRunning_);
    connected_ = false;
    Paint();
    // A socket error or a time-out with no connection made: no server answered at the address.
    const auto failureText = [this](bool mayBeUnreachable) {
        return mayBeUnreachable && !connected_ ? unreachableText(settings_.Host) : sendFailedText();
    };
    try {
        sendEntry(HttpClient1, RankingUrl + "?" + query, owner_.Best.ReplayFile);
    } catch (const net::ERequestTooLong&) {
        ShowMessage(tooLongText());
    } catch (const net::EHttpStatusError& refusal) {
        ShowMessage(serverRefusedText(refusal.status()));
    } catch (const net::ESockError&) {
        ShowMessage(failureText(true));
    } catch (const net::EHttpError& failure) {
        ShowMessage(failureText(failure.failure() == net::HttpFailure::TimedOut));
    } catch (...) {
        ShowMessage(sendFailedText());
    }
}

std::string TForm2::Query() const {
    return protocol::entryQuery({queryValue(Edit1.Text), LScore.Caption, LLevel.Caption,
                                 LBlock.Caption, std::to_string(owner_.PassValue),
                                 queryValue(Edit2.Text)});
}

void TForm2::HttpClient1Success(net::CmdType) {
    owner_.PassValue = 0;
    placement_ = placementOf(HttpClient1.Header);
    ShowMessage(sentText(RankingUrl, placement_ ? std::optional(placement_->Rank) : std::nullopt));
    Button1.Enabled = false;
}

void TForm2::Button2Click() {
    owner_.PlayerName = text::toShiftJis(Edit1.Text);
    Close();
}

void TForm2::Button3Click() {
    settings_.OpenUrl(placement_ ? entryPageUrl(settings_.Host, *placement_)
                                 : rankingCgiUrl(settings_.Host));
}

void TForm2::ShowMessage(const std::string& text) {
    // A request cut short by the close or a quit has nobody left to tell.
    platform::Application& application = Application();
    if (closed_ || application.terminated()) {
        return;
    }
    // Owned by the dialog, so that the box stays above it rather than behind it.
    application.messageBoxes().show({application.title(), text, platform::MessageIcon::None},
                                    &window_);
}

std::array<TForm2::TabStop, 5> TForm2::TabOrder() {
    return {{{"##Button1", &Button1},
             {"##Button2", &Button2},
             {"##Edit1", &Edit1},
             {"##Edit2", &Edit2},
             {"##Button3", &Button3}}};
}

bool TForm2::Usable(const TButton& button) const {
    return button.Enabled && !(requestRunning_ && &button == &Button1);
}

bool TForm2::Focusable(const TabStop& stop) const {
    const auto* const* button = std::get_if<TButton*>(&stop.control);
    return button == nullptr || Usable(**button);
}

void TForm2::MoveFocus(int step) {
    const auto stops = TabOrder();
    const int count = static_cast<int>(stops.size());
    for (int i = 1; i <= count; ++i) {
        const int wrapped = ((static_cast<int>(focus_) + step * i) % count + count) % count;
        const auto next = static_cast<std::size_t>(wrapped);
        if (Focusable(stops[next])) {
            focus_ = next;
            break;
        }
    }
    focusMoved_ = true;
    if (std::holds_alternative<TButton*>(stops[focus_].control)) {
        gui_.releaseKeyboard();
    }
}

void TForm2::HandleRawEvent(const platform::RawEvent& event) {
    if (const auto stroke = platform::keyDownOf(event); stroke && HandleDialogKey(*stroke)) {
        return;
    }
    gui_.processEvent(event);
    if (requestRunning_) {
        Paint();  // the dialog stays responsive while its request waits
    }
}

bool TForm2::HandleDialogKey(const platform::KeyStroke& stroke) {
    switch (stroke.key) {
        case platform::vk::Tab:
            MoveFocus(stroke.shift.shift ? -1 : 1);
            return true;
        case platform::vk::Return:  // the keypad's Enter too
        case platform::vk::Escape:
            return true;
        case platform::vk::Space: {
            const auto stops = TabOrder();
            if (auto* const* button = std::get_if<TButton*>(&stops[focus_].control)) {
                Click(**button);
                return true;
            }
            return false;
        }
        default:
            return false;
    }
}

void TForm2::Paint() {
    if (closed_) {
        return;
    }
    gui_.beginFrame();
    DrawControls();
    gui_.endFrame(ButtonFace);
    RunPendingClick();
}

void TForm2::DrawControls() {
    constexpr ImGuiWindowFlags Flags =
        ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings |
        ImGuiWindowFlags_NoBackground | ImGuiWindowFlags_NoBringToFrontOnFocus;
    ImGui::SetNextWindowPos({0, 0});
    ImGui::SetNextWindowSize(
        {static_cast<float>(window_.clientWidth()), static_cast<float>(window_.clientHeight())});
    ImGui::Begin("##Form2", nullptr, Flags);
    for (const TLabel* label :
         {&Label1, &Label2, &LScore, &Label6, &LLevel, &Label8, &LBlock, &Label3, &Label5}) {
        drawLabel(*label, scale_);
    }
    drawLabel(TLabel{{8, 207, 296, 14}, refusalText()}, scale_);
    const auto stops = TabOrder();
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const bool focused = i == focus_ && Focusable(stops[i]);
        if (auto* const* button = std::get_if<TButton*>(&stops[i].control)) {
            const ButtonInput input =
                drawButton(stops[i].id, **button, Usable(**button), focused, scale_);
            focus_ = input.activated ? i : focus_;
            pendingClick_ = input.clicked ? *button : pendingClick_;
        } else if (drawEdit(stops[i].id, *std::get<TEdit*>(stops[i].control),
                            focused && std::exchange(focusMoved_, false), scale_)) {
            focus_ = i;
        }
    }
    focusMoved_ = false;
    ImGui::End();
}

std::string TForm2::refusalText() const {
    const std::string name = refusalLine(Edit1);
    return name.empty() ? refusalLine(Edit2) : name;
}

void TForm2::RunPendingClick() {
    if (TButton* button = std::exchange(pendingClick_, nullptr)) {
        Click(*button);
    }
}

}  // namespace ranking
