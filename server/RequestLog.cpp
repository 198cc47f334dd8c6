#include "server/RequestLog.h"

#include <cstdio>

#include "protocol/RankingProtocol.h"
#include "server/QueryFields.h"
#include "server/Refusal.h"
#include "text/ShiftJis.h"

namespace server {

namespace {

void appendByte(std::string& shown, unsigned char byte) {
    char code[4];
    std::snprintf(code, sizeof code, "%%%02X", byte);
    shown += code;
}

// Keeps UTF-8 text (bytes from 0x80) when asked, escapes every other byte outside printable
// ASCII.
std::string printable(std::string_view bytes, bool keepUtf8) {
    std::string shown;
    for (char character : bytes) {
        const auto byte = static_cast<unsigned char>(character);
        if ((byte > 0x20 && byte < 0x7F) || (keepUtf8 && byte >= 0x80)) {
            shown += character;
        } else {
            appendByte(shown, byte);
        }
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

std::string formatTime(std::chrono::system_clock::time_point time) {
    const auto since1970 = time.time_since_epoch();
    const std::time_t seconds = std::chrono::duration_cast<std::chrono::seconds>(since1970).count();
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(since1970).count() % 1000;
    std::tm parts{};
    gmtime_r(&seconds, &parts);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", parts.tm_year + 1900,
                  parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec,
                  static_cast<int>(millis));
    return text;
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
    return formatTime(request.time) + " " + std::string(request.client) + " " +
           printable(request.method, false) + " " + shownTarget(request.target) + " " +
           std::to_string(request.status) + " " + std::to_string(request.bytes) + " " +
           std::to_string(request.taken.count());
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
