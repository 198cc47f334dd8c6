#pragma once
// An answer's status line and header fields as sent, in one flat text, so that head and body
// leave in one system call without walking a buffer sequence per field.

#include <string>

#include "server/Request.h"

namespace server {

// Replaces out's text, keeping its storage for the next answer. The Content-Length is the
// body's, also for HEAD; the Connection field says what keepAlive means for the version
// (major * 10 + minor).
void writeResponseHead(const Response& response, unsigned version, bool keepAlive,
                       std::string& out);

}  // namespace server
