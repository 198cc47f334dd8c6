#include "server/DatabaseFileWatch.h"

#include <sys/stat.h>

namespace server {

DatabaseFileWatch::DatabaseFileWatch(const std::string& path) : path_(path) {
    struct stat status {};
    watched_ = !path.starts_with("file:") && ::stat(path.c_str(), &status) == 0;
    device_ = status.st_dev;
    inode_ = status.st_ino;
}

bool DatabaseFileWatch::replaced() const {
    if (!watched_) {
        return false;
    }
    struct stat status {};
    return ::stat(path_.c_str(), &status) != 0 || status.st_dev != device_ ||
           status.st_ino != inode_;
}

}  // namespace server
