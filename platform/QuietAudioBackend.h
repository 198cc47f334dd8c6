#pragma once
// Keeps the audio backend's own error printing off while the audio device is opened. Without a
// sound card the ALSA library writes eight lines to stderr before SDL reports the failure; the
// game then plays silently, as it intends, and those lines would only alarm the player.

namespace platform {

class QuietAudioBackend {
  public:
    // Quietens the ALSA library when SDL has loaded it; otherwise does nothing.
    QuietAudioBackend();
    // Gives the library its own error printing back.
    ~QuietAudioBackend();
    QuietAudioBackend(const QuietAudioBackend&) = delete;
    QuietAudioBackend& operator=(const QuietAudioBackend&) = delete;

  private:
    using ErrorHandler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetErrorHandler = int (*)(ErrorHandler);

    void* library_ = nullptr;
    SetErrorHandler setErrorHandler_ = nullptr;
};

}  // namespace platform
