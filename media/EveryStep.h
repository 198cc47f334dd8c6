#pragma once
// Steps that must all run even when earlier ones fail, such as the parts of a shutdown; the
// first failure is raised once all have run.

#include <exception>
#include <functional>

namespace media {

class EveryStep {
  public:
    void run(const std::function<void()>& step) {
        try {
            step();
        } catch (...) {
            if (!failure_) {
                failure_ = std::current_exception();
            }
        }
    }

    // Raises the first failure, if any step failed.
    void finish() const {
        if (failure_) {
            std::rethrow_exception(failure_);
        }
    }

  private:
    std::exception_ptr failure_;
};

}  // namespace media
