#include "net/OutputFile.h"

#include "net/NetErrors.h"
#include "net/NetMessages.h"

namespace net {

OutputFile::OutputFile(const std::string& name)
    : name_(name), stream_(name, std::ios::binary | std::ios::trunc) {
    if (!stream_) {
        throw EFileError(messages::cannotCreateFile(name_));
    }
}

void OutputFile::write(std::string_view data) {
    if (!stream_.write(data.data(), static_cast<std::streamsize>(data.size()))) {
        throw EFileError(messages::cannotWriteFile(name_));
    }
}

void OutputFile::close() {
    stream_.close();
    if (!stream_) {
        throw EFileError(messages::cannotWriteFile(name_));
    }
}

}  // namespace net
