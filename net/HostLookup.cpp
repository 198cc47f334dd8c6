#include "net/HostLookup.h"

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <cerrno>
#include <mutex>
#include <thread>

#include "net/SocketErrorCode.h"

namespace net {

namespace {

struct Answer {
    std::uint32_t address = 0;
    int errorCode = 0;
};

Answer resolve(const std::string& name) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    errno = 0;
    int result = getaddrinfo(name.c_str(), nullptr, &hints, &found);
    if (result != 0) {
        return Answer{0, lookupErrorCode(result, errno)};
    }
    std::uint32_t address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    return Answer{address, 0};
}

}  // namespace

// Lives as long as the last worker that may still answer. The mutex guards application, which
// the owner clears on destruction; everything else is touched on the user-interface thread only.
struct HostLookup::Shared {
    std::mutex mutex;
    platform::Application* application;
    Handler onFinished;
    std::uint64_t generation = 0;
};

HostLookup::HostLookup(platform::Application& application, Handler onFinished)
    : shared_(std::make_shared<Shared>()) {
    shared_->application = &application;
    shared_->onFinished = std::move(onFinished);
}

HostLookup::~HostLookup() {
    std::lock_guard lock(shared_->mutex);
    shared_->application = nullptr;
}

void HostLookup::start(const std::string& name) {
    std::uint64_t generation = ++shared_->generation;
    std::thread([shared = shared_, name, generation] {
        Answer answer = resolve(name);
        std::lock_guard lock(shared->mutex);
        if (shared->application == nullptr) {
            return;
        }
        shared->application->postTask([shared, generation, answer] {
            if (shared->application != nullptr && shared->generation == generation) {
                shared->onFinished(answer.address, answer.errorCode);
            }
        });
    }).detach();
}

void HostLookup::forget() {
    ++shared_->generation;
}

}  // namespace net
