#include "media/SoundDevice.h"

#include <exception>

#include "media/MediaError.h"
#include "media/MediaText.h"

namespace media {

TSoundDevice::TSoundDevice(platform::Window* owner) : owner_(owner) {}

TSoundDevice::~TSoundDevice() {
    try {
        Finalize();
    } catch (...) {
        // A handler failing while the program ends has nobody left to report to.
    }
    Notify(snDestroying);
}

void TSoundDevice::Loaded() {
    if (!AutoInitialize) {
        return;
    }
    try {
        Initialize();
    } catch (const ESoundDeviceError&) {
        // No sound device: the game runs silent.
    }
}

void TSoundDevice::Initialize() {
    Finalize();
    if (owner_ == nullptr) {
        throw ESoundError(text::FormNotFound);
    }
    Notify(snInitializing);
    Fire(OnInitializing);
    pastInitializing_ = true;
    try {
        mixer_ = std::make_unique<platform::Mixer>();
    } catch (const platform::MixerUnavailable&) {
        Finalize();
        throw ESoundDeviceError(formatText(text::CannotInitialize, text::SoundDeviceName));
    }
    initialized_ = true;
    Notify(snInitialize);
    onInitializeFired_ = true;
    Fire(OnInitialize);
    Restore();
}

void TSoundDevice::Finalize() {
    if (!pastInitializing_) {
        return;
    }
    pastInitializing_ = false;
    std::exception_ptr failure;
    auto step = [&failure](const std::function<void()>& action) {
        try {
            action();
        } catch (...) {
            if (!failure) {
                failure = std::current_exception();
            }
        }
    };
    if (onInitializeFired_) {
        onInitializeFired_ = false;
        step([this] { Fire(OnFinalize); });
    }
    step([this] { Notify(snFinalize); });
    initialized_ = false;
    mixer_.reset();
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void TSoundDevice::Restore() {
    if (!initialized_ || restoring_) {
        return;
    }
    restoring_ = true;
    try {
        Notify(snRestore);
        Fire(OnRestore);
    } catch (...) {
        restoring_ = false;
        throw;
    }
    restoring_ = false;
}

platform::Mixer& TSoundDevice::Mixer() {
    if (!mixer_) {
        throw ESoundDeviceError(formatText(text::NotCreated, text::SoundDeviceName));
    }
    return *mixer_;
}

TSoundDevice::NotifyId TSoundDevice::RegisterNotifyEvent(TNotifyRoutine routine) {
    const NotifyId id = notifications_.Add(routine);
    if (!initialized_) {
        return id;
    }
    try {
        routine(*this, snInitialize);
        routine(*this, snRestore);
    } catch (...) {
        // The caller gets no id to unregister with, so the registration must not stay.
        UnRegisterNotifyEvent(id);
        throw;
    }
    return id;
}

void TSoundDevice::UnRegisterNotifyEvent(NotifyId id) {
    std::optional<TNotifyRoutine> routine = notifications_.Remove(id);
    if (routine && initialized_) {
        (*routine)(*this, snFinalize);
    }
}

void TSoundDevice::Notify(TSoundDeviceNotifyType kind) {
    notifications_.Notify(*this, kind);
}

void TSoundDevice::Fire(const TNotifyEvent& event) {
    if (event) {
        event(*this);
    }
}

}  // namespace media
