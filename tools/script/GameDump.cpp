#include "tools/script/GameDump.h"

#include <cstdio>
#include <span>
#include <sstream>

namespace tools {

namespace {

class JsonLine {
  public:
    template <typename T>
    void number(const char* name, T value) {
        key(name);
        out_ << static_cast<long long>(value);
    }
    void boolean(const char* name, bool value) {
        key(name);
        out_ << (value ? "true" : "false");
    }
    void text(const char* name, const std::string& value) {
        key(name);
        out_ << '"';
        for (char c : value) {
            escaped(c);
        }
        out_ << '"';
    }
    template <typename Range>
    void numbers(const char* name, const Range& values) {
        key(name);
        out_ << '[';
        const char* separator = "";
        for (auto value : values) {
            out_ << separator << static_cast<long long>(value);
            separator = ",";
        }
        out_ << ']';
    }
    template <typename Range>
    void reals(const char* name, const Range& values) {
        key(name);
        out_ << '[';
        const char* separator = "";
        for (float value : values) {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
            out_ << separator << buffer;
            separator = ",";
        }
        out_ << ']';
    }
    void raw(const char* name, const std::string& json) {
        key(name);
        out_ << json;
    }
    std::string finish() { return "{" + out_.str() + "}"; }

  private:
    // UTF-8 passes as it is; quotes, backslashes and control bytes are escaped.
    void escaped(char c) {
        if (c == '"' || c == '\\') {
            out_ << '\\' << c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out_ << buffer;
        } else {
            out_ << c;
        }
    }
    void key(const char* name) {
        out_ << (first_ ? "" : ",") << '"' << name << "\":";
        first_ = false;
    }
    std::ostringstream out_;
    bool first_ = true;
};

std::string hexOf(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char byte : bytes) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

std::string bestTenJson(const core::GameGlobals& g) {
    std::ostringstream out;
    out << '[';
    const char* separator = "";
    for (const core::THiScoreEntry& entry : g.BestTen) {
        out << separator << '[' << entry.Score << ',' << entry.Level << ',' << entry.Blocks << ']';
        separator = ",";
    }
    out << ']';
    return out.str();
}

// The dialog's labels and buttons, a line each.
std::string dialogTexts(const ranking::TForm2& dialog) {
    std::string texts;
    for (const ranking::TLabel* label : {&dialog.Label1, &dialog.Label2, &dialog.Label6,
                                         &dialog.Label8, &dialog.Label3, &dialog.Label5}) {
        texts += label->Caption + "\n";
    }
    for (const ranking::TButton* button : {&dialog.Button1, &dialog.Button2, &dialog.Button3}) {
        texts += button->Caption + "\n";
    }
    return texts;
}

}  // namespace

std::string dumpGame(game::TForm1& form, const ranking::TForm2* dialog) {
    const core::GameGlobals& g = form.ShownGlobals();
    JsonLine json;
    if (const std::string mark = form.PlaybackMark(); !mark.empty()) {
        json.text("playback", mark);
    }
    json.number("state", g.State);
    json.boolean("paused", form.paused());
    json.text("note", form.noteText());
    json.number("volume", form.settings().volume);
    json.boolean("muted", form.settings().mute);
    json.number("phase_clock", g.PhaseClock);
    json.number("pending_sound", g.PendingSound);
    json.number("show_debug", g.ShowDebugInfo);
    json.number("intro_cue_armed", g.IntroCueArmed);
    json.number("score", g.Score);
    json.number("last_points", g.LastPoints);
    json.number("level", g.Level);
    json.number("life", g.Life);
    json.number("time_left", g.TimeLeft);
    json.number("combo", g.Combo);
    json.number("clears_this_level", g.ClearsThisLevel);
    json.number("color_range", g.ColorRange);
    json.number("lucky_color", g.LuckyColor);
    json.number("block_count", g.BlockCount);
    json.numbers("color_counts", std::span(g.ColorCounts).subspan(1));
    json.number("cleared_blocks", g.ClearedBlocks);
    json.number("game_over_phase", g.GameOverPhase);
    json.number("new_rank", g.NewRank);
    json.number("pass_value", g.PassValue);
    json.raw("best_ten", bestTenJson(g));
    json.text("player_name_hex", hexOf(form.PlayerName));
    json.numbers("board", g.Board);
    json.reals("row_velocity", g.RowVelocity);
    json.reals("row_offset", g.RowOffset);
    json.number("pulse_tile", g.PulseTile);
    json.number("pulse_step", g.PulseStep);
    json.boolean("timer_enabled", form.FrameTimer1.Enabled());
    json.boolean("display_initialized", form.Display1.Initialized());
    json.boolean("fullscreen", form.Display1.Options().contains(media::doFullScreen));
    json.number("lag_count", form.FrameTimer1.LastLagCount());
    json.number("frames_per_second", form.FrameTimer1.FramesPerSecond());
    json.number("clock_ms", form.Window().application().clock().milliseconds());
    json.boolean("dialog_open", dialog != nullptr);
    json.text("dialog_label1", dialog != nullptr ? dialog->Label1.Caption : "");
    json.boolean("dialog_send_enabled", dialog != nullptr && dialog->SendEnabled());
    json.text("dialog_name", dialog != nullptr ? dialog->Edit1.Text : "");
    json.text("dialog_comment", dialog != nullptr ? dialog->Edit2.Text : "");
    json.text("dialog_refused", dialog != nullptr ? dialog->refusalText() : "");
    json.text("dialog_texts", dialog != nullptr ? dialogTexts(*dialog) : "");
    return json.finish();
}

}  // namespace tools
