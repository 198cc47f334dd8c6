#pragma once
// The socket layer's error numbers: system errors mapped onto the classic socket error codes,
// which the error texts are keyed by.

namespace net {

inline constexpr int WouldBlockCode = 10035;
inline constexpr int InProgressCode = 10036;
inline constexpr int NotConnectedCode = 10057;

// The code of an errno value; an errno without a socket counterpart stays as it is.
int socketErrorCode(int posixErrno);
// The code of a getaddrinfo failure.
int lookupErrorCode(int gaiError, int posixErrno);

}  // namespace net
