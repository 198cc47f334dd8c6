#pragma once
// An in-memory file system for the best-ten store's seam: fast, and able to fail any write-side
// call on demand.

#include <cerrno>
#include <map>
#include <string>

#include "game/BestTenStore.h"

namespace fuzz {

class MemoryFileSystem : public game::FileSystem {
  public:
    struct Node {
        bool directory = false;
        std::string data;
    };

    std::map<std::string, Node> nodes;
    int failAt = -1;  // index of the write-side call that fails; -1 = none
    int failError = ENOSPC;
    int openHandles = 0;

    bool isFile(const std::string& path) override {
        const auto it = nodes.find(path);
        return it != nodes.end() && !it->second.directory;
    }
    bool exists(const std::string& path) override { return nodes.contains(path); }
    std::string resolveTarget(const std::string& path) override { return path; }

    int open(const std::string& path, OpenMode mode) override {
        const auto it = nodes.find(path);
        if (it == nodes.end()) {
            return -ENOENT;
        }
        if (it->second.directory && mode != OpenMode::Read) {
            return -EISDIR;
        }
        return newHandle(path, mode != OpenMode::Read);
    }
    int createTemporary(const std::string& target, std::string& tempPath) override {
        if (injected()) {
            return -failError;
        }
        tempPath = target + ".tmp" + std::to_string(temporaries_++);
        nodes[tempPath] = Node{};
        return newHandle(tempPath, true);
    }
    long read(int handle, char* buffer, std::size_t size) override {
        Handle& h = handles_.at(handle);
        const Node& node = nodes.at(h.path);
        if (node.directory) {
            return -EISDIR;
        }
        if (h.position >= node.data.size()) {
            return 0;
        }
        const std::size_t n = std::min(size, node.data.size() - h.position);
        node.data.copy(buffer, n, h.position);
        h.position += n;
        return static_cast<long>(n);
    }
    long write(int handle, const char* data, std::size_t size) override {
        if (injected()) {
            return -failError;
        }
        Handle& h = handles_.at(handle);
        if (!h.writable) {
            return -EBADF;
        }
        // A write may be short: at most 300 bytes per call.
        const std::size_t n = std::min<std::size_t>(size, 300);
        std::string& file = nodes.at(h.path).data;
        if (file.size() < h.position + n) {
            file.resize(h.position + n);
        }
        file.replace(h.position, n, data, n);
        h.position += n;
        return static_cast<long>(n);
    }
    int sync(int) override { return injected() ? -failError : 0; }
    int close(int handle) override {
        handles_.erase(handle);
        --openHandles;
        return injected() ? -failError : 0;
    }
    int rename(const std::string& from, const std::string& to) override {
        if (injected()) {
            return -failError;
        }
        const auto target = nodes.find(to);
        if (target != nodes.end() && target->second.directory) {
            return -EISDIR;
        }
        Node moved = nodes.at(from);
        nodes.erase(from);
        nodes[to] = std::move(moved);
        return 0;
    }
    int remove(const std::string& path) override { return nodes.erase(path) == 1 ? 0 : -ENOENT; }
    int syncDirectoryOf(const std::string&) override { return 0; }
    // Every temporary file belongs to this one process, which is still running.
    void removeStaleTemporaries(const std::string&) override {}

  private:
    struct Handle {
        std::string path;
        std::size_t position = 0;
        bool writable = false;
    };

    int newHandle(const std::string& path, bool writable) {
        handles_[next_] = Handle{path, 0, writable};
        ++openHandles;
        return next_++;
    }
    bool injected() { return failAt >= 0 && calls_++ == failAt; }

    std::map<int, Handle> handles_;
    int next_ = 3;
    int calls_ = 0;
    int temporaries_ = 0;
};

}  // namespace fuzz
