#pragma once
// The pictures of a picture list in index order, the display they are bound to while it is
// initialised, and the common colour table built from them.

#include <memory>
#include <vector>

#include "media/Palette.h"
#include "media/PictureCollectionItem.h"

namespace media {

class TDisplay;

class TPictureCollection {
  public:
    TPictureCollection();
    ~TPictureCollection();
    TPictureCollection(const TPictureCollection&) = delete;
    TPictureCollection& operator=(const TPictureCollection&) = delete;

    // Built by BuildColorTable; all zero before.
    TColorTable ColorTable{};

    TPictureCollectionItem& Add();
    int Count() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range outside 0 .. Count() - 1.
    TPictureCollectionItem& Items(int index);
    const TPictureCollectionItem& Items(int index) const;

    // The 16 standard colours, then the colours of each picture's table in index order.
    void BuildColorTable();

    // The display while bound to it, else none.
    TDisplay* Display() const { return display_; }
    bool BoundToInitializedDisplay() const;

    // Binds to an initialised display (EPictureCollectionError otherwise) and initialises
    // every item.
    void Initialize(TDisplay& display);
    void Finalize();
    void Restore();

  private:
    std::vector<std::unique_ptr<TPictureCollectionItem>> items_;
    TDisplay* display_ = nullptr;
};

}  // namespace media
