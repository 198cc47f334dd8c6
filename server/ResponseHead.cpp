#include "server/ResponseHead.h"

#include "server/Beast.h"

namespace server {

namespace {

void appendField(std::string& out, std::string_view name, std::string_view value) {
    out.append(name).append(": ").append(value).append("\r\n");
}

}  // namespace

void writeResponseHead(const Response& response, unsigned version, bool keepAlive,
                       std::string& out) {
    const beast::string_view reason =
        http::obsolete_reason(static_cast<http::status>(response.status));
    // The request's own version, as Beast read it (major * 10 + minor, one digit each).
    out.assign("HTTP/");
    out.append({static_cast<char>('0' + version / 10), '.', static_cast<char>('0' + version % 10)});
    out.append(" ").append(std::to_string(response.status)).append(" ");
    out.append(reason.data(), reason.size()).append("\r\n");
    appendField(out, "Server", "pudorock-ranking-server");
    appendField(out, "Content-Type", response.contentType);
    for (const auto& [name, value] : response.headers) {
        appendField(out, name, value);
    }
    appendField(out, "Content-Length", std::to_string(response.body->size()));
    // HTTP/1.1 keeps a connection unless told; HTTP/1.0 closes it unless told.
    if (version < 11 && keepAlive) {
        appendField(out, "Connection", "keep-alive");
    } else if (version >= 11 && !keepAlive) {
        appendField(out, "Connection", "close");
    }
    out.append("\r\n");
}

}  // namespace server
