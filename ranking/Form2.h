#pragma once
// The ranking submission dialog: sends the best result of the best ten, with the player's name
// and a comment (and the result's replay, when the game kept one), to the ranking server, and
// opens the ranking page in the browser. A new one is made for every opening, shown modally
// over the game window, and released when it closes. What it remembers lives in the game: the
// owner's `PassValue` and `PlayerName`.

#include <array>
#include <optional>
#include <string>
#include <variant>

#include "net/HttpClient.h"
#include "platform/Application.h"
#include "platform/RawEvent.h"
#include "platform/Window.h"
#include "ranking/Controls.h"
#include "ranking/DialogScale.h"
#include "ranking/EntryPlacement.h"
#include "ranking/ImGuiHost.h"
#include "ranking/ModalLoop.h"
#include "ranking/RankingOwner.h"
#include "ranking/RankingSite.h"

namespace ranking {

class TForm2 {
  public:
    // Settings must outlive the dialog. Throws when its window, renderer or font cannot be made.
    TForm2(const RankingOwner& owner, const RankingSettings& settings);
    TForm2(const TForm2&) = delete;
    TForm2& operator=(const TForm2&) = delete;

    // Shows the dialog and returns once it has closed.
    void ShowModal(ModalLoop& loop);
    bool Closed() const { return closed_; }
    platform::Application& Application() const { return owner_.Window.application(); }
    platform::Window& Window() { return window_; }

    // What the player can do. A click on a disabled button does nothing.
    void Click(TButton& button);
    void CloseBox();
    // Button1 as the player finds it: enabled, and no request of its own under way.
    bool SendEnabled() const { return Usable(Button1); }
    // The line naming the character a box refused last; empty when none was.
    std::string refusalText() const;

    // One frame: draws the dialog, then runs the click the frame received.
    void Paint();
    // The next Paint also writes the dialog's picture to a PNG file.
    void CapturePaint(const std::string& path) { gui_.captureNextFrame(path); }

    TLabel Label1;
    TLabel Label2;
    TLabel LScore;
    TLabel Label6;
    TLabel LLevel;
    TLabel Label8;
    TLabel LBlock;
    TLabel Label3;
    TEdit Edit1;
    TLabel Label5;
    TEdit Edit2;
    TButton Button1;
    TButton Button2;
    TButton Button3;
    net::THttpClient HttpClient1;
    // The ranking CGI's URL once a submission has started.
    std::string RankingUrl;

    // Event handlers.
    void FormCreate();
    void Button1Click();
    void HttpClient1Success(net::CmdType cmd);
    void Button2Click();
    void Button3Click();

  private:
    struct TabStop {
        const char* id;
        std::variant<TButton*, TEdit*> control;
    };

    std::array<TabStop, 5> TabOrder();
    bool Usable(const TButton& button) const;
    bool Focusable(const TabStop& stop) const;
    void MoveFocus(int step);
    void HandleRawEvent(const platform::RawEvent& event);
    // Tab moves the focus, Space clicks the focused button; Enter and Esc do nothing, as no
    // button is the default or the cancel one. True when the key is used up.
    bool HandleDialogKey(const platform::KeyStroke& stroke);
    void DrawControls();
    void RunPendingClick();
    std::string Query() const;
    void ShowMessage(const std::string& text);
    void Close();

    RankingOwner owner_;
    const RankingSettings& settings_;
    DialogScale scale_;
    platform::Window window_;
    ImGuiHost gui_;
    std::size_t focus_ = 0;  // index into the tab order
    bool focusMoved_ = false;
    TButton* pendingClick_ = nullptr;
    bool requestRunning_ = false;
    // The request reached the server: a failure since is not the address's fault.
    bool connected_ = false;
    // Where the sent entry stands, when the server said so.
    std::optional<EntryPlacement> placement_;
    bool closed_ = false;
};

}  // namespace ranking
