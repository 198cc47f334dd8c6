#pragma once
// A replay that cannot be read, or cannot be written as a file: the text says why in plain
// English ("checksum does not match").

#include <stdexcept>
#include <string>

namespace replay {

class ReplayError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace replay
