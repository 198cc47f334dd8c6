#pragma once
// A failure the program cannot run on past, such as a missing font: the application's handlers
// let it through rather than report it and carry on, so it ends the run with its report.

#include <stdexcept>

namespace platform {

class FatalError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace platform
