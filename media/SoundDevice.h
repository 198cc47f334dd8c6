#pragma once
// The sound device: opens the platform mixer for the game window and tells the sound lists
// registered with it when it initialises, restores and finalises.

#include <functional>
#include <memory>
#include <vector>

#include "media/NotificationList.h"
#include "platform/Mixer.h"

namespace platform {
class Window;
}

namespace media {

enum TSoundDeviceNotifyType {
    snDestroying = 0,
    snInitializing = 1,
    snInitialize = 2,
    snFinalize = 3,
    snRestore = 4,
};

class TSoundDevice {
  public:
    using TNotifyEvent = std::function<void(TSoundDevice& sender)>;
    using Notifications = NotificationList<TSoundDevice, TSoundDeviceNotifyType>;
    using TNotifyRoutine = Notifications::Routine;
    using NotifyId = Notifications::Id;

    // The owning form's window; without one, Initialize fails.
    explicit TSoundDevice(platform::Window* owner);
    ~TSoundDevice();
    TSoundDevice(const TSoundDevice&) = delete;
    TSoundDevice& operator=(const TSoundDevice&) = delete;

    // Stored settings.
    bool AutoInitialize = true;
    TNotifyEvent OnInitializing, OnInitialize, OnRestore, OnFinalize;

    // The owning form has read the settings: with AutoInitialize the device opens now. A device
    // that cannot be opened leaves it silent without a word; other failures go on.
    void Loaded();

    // Opens the mixer (ESoundDeviceError when it cannot), then the registered lists initialise
    // and load their sounds.
    void Initialize();
    // Safe when not initialised.
    void Finalize();
    // The registered lists load their sounds again.
    void Restore();
    bool Initialized() const { return initialized_; }
    // Throws ESoundDeviceError while the mixer is not open.
    platform::Mixer& Mixer();
    // 0 to 100, kept for every mixer the device opens.
    void setMasterVolume(int percent);

    // Last registered is told first. Registering with an initialised device delivers
    // snInitialize and snRestore at once; unregistering from one delivers snFinalize.
    NotifyId RegisterNotifyEvent(TNotifyRoutine routine);
    void UnRegisterNotifyEvent(NotifyId id);

  private:
    void Notify(TSoundDeviceNotifyType kind);
    std::vector<TSoundDeviceNotifyType> JoiningKinds() const;
    std::vector<TSoundDeviceNotifyType> LeavingKinds() const;

    platform::Window* owner_;
    std::unique_ptr<platform::Mixer> mixer_;
    int masterVolume_ = 100;
    bool initialized_ = false;
    bool pastInitializing_ = false;
    bool onInitializeFired_ = false;
    bool restoring_ = false;
    Notifications notifications_;
};

}  // namespace media
