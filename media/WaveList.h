#pragma once
// The sound list component: its sounds, and the sound device whose notifications bind them,
// load them and let them go.

#include <functional>

#include "media/SoundDevice.h"
#include "media/WaveCollection.h"

namespace media {

class TWaveList {
  public:
    TWaveList();
    ~TWaveList();
    TWaveList(const TWaveList&) = delete;
    TWaveList& operator=(const TWaveList&) = delete;

    TSoundDevice* SoundDevice() const { return device_; }
    // Leaves the previous device's notifications (which frees the sounds' buffers) and joins
    // the new one's (which binds the sounds and loads them at once if it is initialised).
    void SetSoundDevice(TSoundDevice* device);

    TWaveCollection& Items() { return items_; }
    // Throws std::out_of_range outside 0 .. count - 1.
    TWaveCollectionItem& Items(int index) { return items_.Items(index); }

    // Hears the index of every sound that starts.
    std::function<void(int index)> OnPlay;

  private:
    void DeviceNotify(TSoundDevice& device, TSoundDeviceNotifyType kind);

    TSoundDevice* device_ = nullptr;
    TSoundDevice::NotifyId notifyId_ = 0;
    TWaveCollection items_;
};

}  // namespace media
