#include "media/WaveList.h"

#include "media/FireEvent.h"

namespace media {

TWaveList::TWaveList() : items_([this](int index) { fireEvent(OnPlay, index); }) {}

TWaveList::~TWaveList() {
    SetSoundDevice(nullptr);
}

void TWaveList::SetSoundDevice(TSoundDevice* device) {
    if (device == device_) {
        return;
    }
    if (device_ != nullptr) {
        TSoundDevice* previous = device_;
        device_ = nullptr;
        previous->UnRegisterNotifyEvent(notifyId_);
    }
    if (device == nullptr) {
        return;
    }
    notifyId_ = device->RegisterNotifyEvent(
        [this](TSoundDevice& sender, TSoundDeviceNotifyType kind) { DeviceNotify(sender, kind); });
    device_ = device;
}

void TWaveList::DeviceNotify(TSoundDevice& device, TSoundDeviceNotifyType kind) {
    switch (kind) {
        case snInitialize:
            items_.Initialize(device);
            break;
        case snFinalize:
            items_.Finalize();
            break;
        case snRestore:
            items_.Restore();
            break;
        case snDestroying:
            device_ = nullptr;
            break;
        default:
            break;
    }
}

}  // namespace media
