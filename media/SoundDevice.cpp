#include "media/SoundDevice.h"

#include <utility>

#include "media/EveryStep.h"
#include "media/FireEvent.h"
#include "media/MediaError.h"
#include "media/MediaMessages.h"
#include "platform/ScopedFlag.h"
#include "text/Translation.h"

namespace media {

TSoundDevice::TSoundDevice(platform::Window* owner)
    : owner_(owner),
      notifications_(
          *this, [this] { return JoiningKinds(); }, [this] { return LeavingKinds(); }) {}

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
        throw ESoundError(text::tr(messages::FormNotFound));
    }
    Notify(snInitializing);
    fireEvent(OnInitializing, *this);
    pastInitializing_ = true;
    try {
        mixer_ = std::make_unique<platform::Mixer>();
        mixer_->setMasterVolume(masterVolume_);
    } catch (const platform::MixerUnavailable&) {
        Finalize();
        throw ESoundDeviceError(formatText(messages::CannotInitialize, messages::SoundDeviceName));
    }
    initialized_ = true;
    Notify(snInitialize);
    onInitializeFired_ = true;
    fireEvent(OnInitialize, *this);
    Restore();
}

void TSoundDevice::Finalize() {
    if (!pastInitializing_) {
        return;
    }
    pastInitializing_ = false;
    EveryStep steps;
    if (onInitializeFired_) {
        onInitializeFired_ = false;
        steps.run([this] { fireEvent(OnFinalize, *this); });
    }
    steps.run([this] { Notify(snFinalize); });
    initialized_ = false;
    mixer_.reset();
    steps.finish();
}

void TSoundDevice::Restore() {
    if (!initialized_ || restoring_) {
        return;
    }
    platform::ScopedFlag guard(restoring_);
    Notify(snRestore);
    fireEvent(OnRestore, *this);
}

void TSoundDevice::setMasterVolume(int percent) {
    masterVolume_ = percent;
    if (mixer_) {
        mixer_->setMasterVolume(percent);
    }
}

platform::Mixer& TSoundDevice::Mixer() {
    if (!mixer_) {
        throw ESoundDeviceError(formatText(messages::NotCreated, messages::SoundDeviceName));
    }
    return *mixer_;
}

TSoundDevice::NotifyId TSoundDevice::RegisterNotifyEvent(TNotifyRoutine routine) {
    return notifications_.add(std::move(routine));
}

void TSoundDevice::UnRegisterNotifyEvent(NotifyId id) {
    notifications_.remove(id);
}

std::vector<TSoundDeviceNotifyType> TSoundDevice::JoiningKinds() const {
    if (!initialized_) {
        return {};
    }
    return {snInitialize, snRestore};
}

std::vector<TSoundDeviceNotifyType> TSoundDevice::LeavingKinds() const {
    if (!initialized_) {
        return {};
    }
    return {snFinalize};
}

void TSoundDevice::Notify(TSoundDeviceNotifyType kind) {
    notifications_.notify(kind);
}

}  // namespace media
