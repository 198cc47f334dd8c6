#pragma once
// A request the server will not carry out: the status to answer and a short reason for the
// client, in plain text.

#include <stdexcept>
#include <string>

namespace server {

class Refusal : public std::runtime_error {
  public:
    Refusal(int status, const std::string& reason) : std::runtime_error(reason), status_(status) {}

    int status() const { return status_; }

  private:
    int status_;
};

}  // namespace server
