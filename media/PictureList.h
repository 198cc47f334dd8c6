#pragma once
// The picture list component: its pictures, and the display whose notifications bind them,
// convert them and let them go.

#include "media/Display.h"
#include "media/PictureCollection.h"

namespace media {

class TPictureList {
  public:
    TPictureList();
    ~TPictureList();
    TPictureList(const TPictureList&) = delete;
    TPictureList& operator=(const TPictureList&) = delete;

    TDisplay* Display() const { return display_; }
    // Leaves the previous display's notifications (which finalises the pictures) and joins the
    // new one's (which binds and converts them at once if it is initialised).
    void SetDisplay(TDisplay* display);

    TPictureCollection& Items() { return items_; }
    // Throws std::out_of_range outside 0 .. count - 1.
    TPictureCollectionItem& Items(int index) { return items_.Items(index); }
    const TPictureCollectionItem& Items(int index) const { return items_.Items(index); }

  private:
    void DisplayNotify(TDisplay& display, TDisplayNotifyType kind);

    TDisplay* display_ = nullptr;
    TDisplay::NotifyId notifyId_ = 0;
    TPictureCollection items_;
};

}  // namespace media
