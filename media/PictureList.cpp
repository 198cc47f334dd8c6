#include "media/PictureList.h"

namespace media {

TPictureList::TPictureList() = default;

TPictureList::~TPictureList() {
    SetDisplay(nullptr);
}

void TPictureList::SetDisplay(TDisplay* display) {
    if (display == display_) {
        return;
    }
    if (display_ != nullptr) {
        TDisplay* previous = display_;
        display_ = nullptr;
        previous->UnRegisterNotifyEvent(notifyId_);
    }
    display_ = display;
    if (display_ != nullptr) {
        notifyId_ = display_->RegisterNotifyEvent(
            [this](TDisplay& sender, TDisplayNotifyType kind) { DisplayNotify(sender, kind); });
    }
}

void TPictureList::DisplayNotify(TDisplay& display, TDisplayNotifyType kind) {
    switch (kind) {
        case ntInitialize:
            items_.Initialize(display);
            break;
        case ntFinalize:
            items_.Finalize();
            break;
        case ntRestore:
            items_.Restore();
            break;
        case ntDestroying:
            display_ = nullptr;
            break;
        default:
            break;
    }
}

}  // namespace media
