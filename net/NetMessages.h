#pragma once
// The message texts of the network layer.

#include <string>

#include "net/NetErrors.h"

namespace net::messages {

// Socket client.
inline constexpr const char* AlreadyConnected = "Already connected";
inline constexpr const char* NullRemoteAddress = "Null Remote Address";
inline constexpr const char* HostLookupTimedOut = "Host Lookup Timed Out";
inline constexpr const char* HostLookupCanceled = "Host Lookup Canceled";
inline constexpr const char* ConnectionTimedOut = "Connection Timed out";
inline constexpr const char* ConnectionCanceled = "Connection Canceled";
inline constexpr const char* ConnectionFailed = "Connection Failed";
inline constexpr const char* SocketsInitFailed = "Initializaton of POSIX sockets failed";
inline constexpr const char* SendAborted = "Socket send aborted";
inline constexpr const char* ReadLnAborted = "Socket readln aborted";
inline constexpr const char* CaptureAborted = "Socket capture aborted";
inline constexpr const char* NoTimer = "No Timer";

// HTTP client.
inline constexpr const char* EmptyUrl = "Empty URL";
inline constexpr const char* RequestTargetTooLong = "Request target too long";
inline constexpr const char* RequestBodyTooLarge = "Request body too large";
inline constexpr const char* SecureSocketNotSupported = "HTTP Secure Socket is not supported";
inline constexpr const char* TooManyRedirects = "Too many redirects";
inline constexpr const char* ControlCharacterInRequest = "Control character in request header";
inline constexpr const char* NoStatusLine = "No complete status line in the reply";
inline constexpr const char* MalformedStatusLine = "Malformed status line in the reply";
inline constexpr const char* ReplyTooLarge = "Reply too large";
inline constexpr const char* RedirectWithoutLocation = "Redirect without Location";
inline constexpr const char* RedirectNotHttp = "Redirect to a location other than http:// refused";
inline constexpr const char* RequestTimedOut = "Request timed out";

std::string invalidPort(const std::string& port);
std::string cannotCreateFile(const std::string& name);
std::string cannotWriteFile(const std::string& name);
std::string unexpectedStatus(int status);
std::string statusRefused(int status);

// The text of one of the socket client's own failures.
const char* sockFailureText(SockFailure failure);

// "10061:Connection refused" for a known socket error code, "Unknown Error No. 5" otherwise.
std::string socketErrorText(int code);

}  // namespace net::messages
