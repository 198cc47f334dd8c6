#pragma once
// A file created (or replaced) for a reply's header or body; every failure is an EFileError.

#include <fstream>
#include <string>
#include <string_view>

namespace net {

class OutputFile {
  public:
    explicit OutputFile(const std::string& name);
    void write(std::string_view data);
    // Flushes and closes; the destructor closes without reporting.
    void close();

  private:
    std::string name_;
    std::ofstream stream_;
};

}  // namespace net
