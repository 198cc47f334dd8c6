#include "net/HttpReply.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "net/NetErrors.h"
#include "net/NetMessages.h"
#include "net/TextFields.h"

namespace net {

namespace {

constexpr std::size_t MaxHeaderValueLength = 256;

bool isDigit(unsigned char c) {
    return std::isdigit(c) != 0;
}

std::string upperCase(std::string_view text) {
    std::string upper(text);
    std::ranges::transform(upper, upper.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

std::string_view withoutLineEnd(std::string_view line) {
    if (line.ends_with('\n')) {
        line.remove_suffix(1);
    }
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

bool endsHeader(std::string_view line) {
    return line.empty() || line == "\n" || line == "\r\n";
}

// The value of a header line from the given 0-based column on, without the line end.
std::string valueFrom(std::string_view line, std::size_t column) {
    std::string_view value = withoutLineEnd(line);
    return std::string(value.substr(std::min(column, value.size()), MaxHeaderValueLength));
}

// The run of digits from the first digit after the colon, 0 when there is none.
std::int32_t contentLengthOf(std::string_view line) {
    std::string_view rest = line.substr(std::min(line.find(':'), line.size()));
    auto first = std::ranges::find_if(rest, isDigit);
    auto last = std::find_if_not(first, rest.end(), isDigit);
    std::string_view digits(first, last);
    return decimalNumber(digits).value_or(
        digits.empty() ? 0 : std::numeric_limits<std::int32_t>::max());
}

bool isVersion(std::string_view text) {
    std::size_t dot = text.find('.');
    return dot != std::string_view::npos && decimalNumber(text.substr(0, dot)) &&
           decimalNumber(text.substr(dot + 1));
}

}  // namespace

StatusMeaning meaningOf(int status) {
    if (status >= 200 && status <= 299) {
        return StatusMeaning::Success;
    }
    if (status >= 400) {
        return StatusMeaning::Refused;
    }
    if (status == 301 || status == 302 || status == 303 || status == 307 || status == 308) {
        return StatusMeaning::Redirect;
    }
    return StatusMeaning::Unexpected;
}

bool redirectRepeatsRequest(int status) {
    return status == 307 || status == 308;
}

std::optional<int> statusOfLine(std::string_view line) {
    constexpr std::string_view Protocol = "HTTP/";
    if (!line.ends_with('\n')) {
        return std::nullopt;
    }
    line = withoutLineEnd(line);
    std::size_t space = line.find(' ');
    if (!line.starts_with(Protocol) || space == std::string_view::npos ||
        !isVersion(line.substr(Protocol.size(), space - Protocol.size()))) {
        return std::nullopt;
    }
    std::string_view rest = line.substr(space + 1);
    if (rest.size() < 3 || (rest.size() > 3 && rest[3] != ' ')) {
        return std::nullopt;
    }
    return decimalNumber(rest.substr(0, 3));
}

void checkBodySize(std::int64_t received) {
    if (received > static_cast<std::int64_t>(MaxReplyBodySize)) {
        throw EHttpError(HttpFailure::ReplyTooLarge, messages::ReplyTooLarge);
    }
}

bool ReplyHeader::take(std::string_view line, const Keep& keep) {
    if (line.size() > maxSize_ - size_) {
        throw EHttpError(HttpFailure::ReplyTooLarge, messages::ReplyTooLarge);
    }
    size_ += line.size();
    keep(line);
    if (!status_) {
        status_ = statusOfLine(line);
        if (!status_) {
            throw EHttpError(HttpFailure::BadReply,
                             line.empty() ? messages::NoStatusLine : messages::MalformedStatusLine);
        }
        return true;
    }
    interpret(line);
    return !endsHeader(line);
}

void ReplyHeader::interpret(std::string_view line) {
    std::string name = NthField(upperCase(line), ' ', 1);
    if (name == "SET-COOKIE:") {
        cookie_ = valueFrom(line, 12);
    } else if (name == "LOCATION:") {
        location_ = valueFrom(line, 10);
    } else if (name == "CONTENT-LENGTH:") {
        contentLength_ = contentLengthOf(line);
    }
}

}  // namespace net
