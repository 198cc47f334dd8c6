#pragma once
// The sounds of a sound list in index order and the device they are bound to while it is
// initialised.

#include <functional>
#include <memory>
#include <vector>

#include "media/WaveCollectionItem.h"

namespace media {

class TSoundDevice;

class TWaveCollection {
  public:
    using StartedEvent = std::function<void(int index)>;

    // started hears the index of every item that starts sounding.
    explicit TWaveCollection(StartedEvent started = {});
    ~TWaveCollection();
    TWaveCollection(const TWaveCollection&) = delete;
    TWaveCollection& operator=(const TWaveCollection&) = delete;

    // An item added while bound is initialised at once.
    TWaveCollectionItem& Add();
    int Count() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range outside 0 .. Count() - 1.
    TWaveCollectionItem& Items(int index);

    // The device while bound to it, else none.
    TSoundDevice* Device() const { return device_; }
    bool BoundToInitializedDevice() const;

    void Initialize(TSoundDevice& device);
    void Finalize();
    void Restore();
    // Silences every item.
    void StopAll();

    // Told by an item that it has started sounding.
    void Started(const TWaveCollectionItem& item) const;

  private:
    std::vector<std::unique_ptr<TWaveCollectionItem>> items_;
    TSoundDevice* device_ = nullptr;
    StartedEvent started_;
};

}  // namespace media
