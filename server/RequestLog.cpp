#include "server/RequestLog.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "protocol/RankingProtocol.h"
#include "server/QueryFields.h"
#include "server/Refusal.h"
#include "text/ShiftJis.h"

namespace server {

namespace {

void appendByte(std::string& shown, unsigned char byte) {
    constexpr std::string_view Hex = "0123456789ABCDEF";
    shown += '%';
    shown += Hex[byte >> 4];
    shown += Hex[byte & 0xF];
}

// Keeps UTF-8 text (bytes from 0x80) when asked, escapes every other byte outside printable
// ASCII. Runs of kept bytes are copied whole: a line is mostly such a run.
std::string printable(std::string_view bytes, bool keepUtf8) {
    const auto kept = [keepUtf8](char character) {
        const auto byte = static_cast<unsigned char>(character);
        return (byte > 0x20 && byte < 0x7F) || (keepUtf8 && byte >= 0x80);
    };
    std::string shown;
    shown.reserve(bytes.size());
    while (!bytes.empty()) {
        const auto run = static_cast<std::size_t>(
            std::find_if_not(bytes.begin(), bytes.end(), kept) - bytes.begin());
        shown.append(bytes.substr(0, run));
        if (run < bytes.size()) {
            appendByte(shown, static_cast<unsigned char>(bytes[run]));
        }
        bytes.remove_prefix(std::min(run + 1, bytes.size()));
    }
    return shown;
}

std::string shownPiece(std::string_view piece) {
    const std::size_t equals = piece.find('=');
    const std::string_view key = piece.substr(0, equals);
    if (equals == std::string_view::npos ||
        (key != protocol::field::Name && key != protocol::field::Comment)) {
        return printable(piece, false);
    }
    try {
        const std::string utf8 = text::fromShiftJis(decodeQueryValue(piece.substr(equals + 1)));
        return std::string(key) + "=" + printable(utf8, true);
    } catch (const Refusal&) {
        return printable(piece, false);
    }
}

// The number zero-padded to width digits; no snprintf, which costs more than the rest of a
// log line.
void appendDigits(std::string& text, long long number, std::size_t width) {
    std::array<char, 24> digits{};
    const char* end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    const auto length = static_cast<std::size_t>(end - digits.data());
    text.append(width - std::min(width, length), '0').append(digits.data(), length);
}

void appendTime(std::string& text, std::chrono::system_clock::time_point time) {
    const auto since1970 = time.time_since_epoch();
    const std::time_t seconds = std::chrono::duration_cast<std::chrono::seconds>(since1970).count();
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(since1970).count() % 1000;
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    const struct {
        long long number;
        std::size_t width;
        char separator;
    } fields[] = {{parts.tm_year + 1900LL, 4, '-'}, {parts.tm_mon + 1, 2, '-'},
                  {parts.tm_mday, 2, 'T'},          {parts.tm_hour, 2, ':'},
                  {parts.tm_min, 2, ':'},           {parts.tm_sec, 2, '.'}};
    for (const auto& [number, width, separator] : fields) {
        appendDigits(text, number, width);
        text += separator;
    }
    appendDigits(text, millis, 3);
    text += 'Z';
}

}  // namespace

std::string shownTarget(std::string_view target) {
    const std::size_t question = target.find('?');
    std::string shown = printable(target.substr(0, question), false);
    if (question == std::string_view::npos) {
        return shown;
    }
    std::string_view query = target.substr(question + 1);
    char separator = '?';
    do {
        const std::size_t end = std::min(query.find('&'), query.size());
        shown += separator + shownPiece(query.substr(0, end));
        separator = '&';
        query.remove_prefix(std::min(end + 1, query.size()));
    } while (!query.empty());
    return shown;
}

std::string formatLogLine(const LoggedRequest& request) {
    std::string line;
    line.reserve(128 + request.target.size());
    appendTime(line, request.time);
    line.append(" ").append(request.client).append(" ");
    line.append(printable(request.method, false)).append(" ");
    line.append(shownTarget(request.target)).append(" ");
    appendDigits(line, request.status, 1);
    line += ' ';
    appendDigits(line, static_cast<long long>(request.bytes), 1);
    line += ' ';
    appendDigits(line, request.taken.count(), 1);
    return line;
}

void RequestLog::write(const LoggedRequest& request) {
    out_ << formatLogLine(request) << '\n';
    if (request.time - flushedAt_ >= FlushPeriod) {
        flush();
    }
}

void RequestLog::flush() {
    out_.flush();
    flushedAt_ = std::chrono::system_clock::now();
}

}  // namespace server
