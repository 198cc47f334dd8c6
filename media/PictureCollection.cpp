#include "media/PictureCollection.h"

#include "media/ColorTableBuilder.h"
#include "media/Display.h"
#include "media/ListIndex.h"
#include "media/MediaError.h"
#include "media/MediaMessages.h"

namespace media {

TPictureCollection::TPictureCollection() = default;

TPictureCollection::~TPictureCollection() {
    Finalize();
}

TPictureCollectionItem& TPictureCollection::Add() {
    items_.push_back(std::make_unique<TPictureCollectionItem>(*this));
    return *items_.back();
}

TPictureCollectionItem& TPictureCollection::Items(int index) {
    checkListIndex(index, items_.size());
    return *items_[index];
}

const TPictureCollectionItem& TPictureCollection::Items(int index) const {
    checkListIndex(index, items_.size());
    return *items_[index];
}

void TPictureCollection::BuildColorTable() {
    ColorTableBuilder builder;
    for (const auto& item : items_) {
        if (item->Picture.empty()) {
            continue;
        }
        builder.addPicture(item->Picture);
        if (builder.full()) {
            break;
        }
    }
    ColorTable = builder.table();
}

bool TPictureCollection::BoundToInitializedDisplay() const {
    return display_ != nullptr && display_->Initialized();
}

void TPictureCollection::Initialize(TDisplay& display) {
    Finalize();
    if (!display.Initialized()) {
        throw EPictureCollectionError(
            formatText(messages::CannotInitialize, messages::PictureCollectionName));
    }
    display_ = &display;
    for (const auto& item : items_) {
        item->Initialize();
    }
}

void TPictureCollection::Finalize() {
    for (const auto& item : items_) {
        item->Finalize();
    }
    display_ = nullptr;
}

void TPictureCollection::Restore() {
    for (const auto& item : items_) {
        item->Restore();
    }
}

}  // namespace media
