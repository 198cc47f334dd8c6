#include "media/WaveCollection.h"

#include <algorithm>

#include "media/ListIndex.h"
#include "media/SoundDevice.h"

namespace media {

TWaveCollection::TWaveCollection(StartedEvent started) : started_(std::move(started)) {}

TWaveCollection::~TWaveCollection() {
    Finalize();
}

TWaveCollectionItem& TWaveCollection::Add() {
    items_.push_back(std::make_unique<TWaveCollectionItem>(*this));
    items_.back()->Initialize();
    return *items_.back();
}

TWaveCollectionItem& TWaveCollection::Items(int index) {
    checkListIndex(index, items_.size());
    return *items_[index];
}

bool TWaveCollection::BoundToInitializedDevice() const {
    return device_ != nullptr && device_->Initialized();
}

void TWaveCollection::Initialize(TSoundDevice& device) {
    Finalize();
    device_ = &device;
    for (const auto& item : items_) {
        item->Initialize();
    }
}

void TWaveCollection::Finalize() {
    for (const auto& item : items_) {
        item->Finalize();
    }
    device_ = nullptr;
}

void TWaveCollection::Restore() {
    for (const auto& item : items_) {
        item->Restore();
    }
}

void TWaveCollection::Started(const TWaveCollectionItem& item) const {
    if (!started_) {
        return;
    }
    auto found = std::find_if(items_.begin(), items_.end(),
                              [&item](const auto& candidate) { return candidate.get() == &item; });
    started_(static_cast<int>(found - items_.begin()));
}

void TWaveCollection::StopAll() {
    for (const auto& item : items_) {
        item->StopAll();
    }
}

}  // namespace media
