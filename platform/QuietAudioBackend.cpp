#include "platform/QuietAudioBackend.h"

#include <dlfcn.h>

namespace platform {

namespace {

void ignoreError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

// SDL loads the library itself at run time, so it is looked up, never loaded here.
QuietAudioBackend::QuietAudioBackend()
    : library_(::dlopen("libasound.so.2", RTLD_LAZY | RTLD_NOLOAD)) {
    if (library_ == nullptr) {
        return;
    }
    setErrorHandler_ =
        reinterpret_cast<SetErrorHandler>(::dlsym(library_, "snd_lib_error_set_handler"));
    if (setErrorHandler_ != nullptr) {
        setErrorHandler_(ignoreError);
    }
}

QuietAudioBackend::~QuietAudioBackend() {
    if (setErrorHandler_ != nullptr) {
        setErrorHandler_(nullptr);
    }
    if (library_ != nullptr) {
        ::dlclose(library_);
    }
}

}  // namespace platform
