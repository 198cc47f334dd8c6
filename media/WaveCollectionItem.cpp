#include "media/WaveCollectionItem.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "media/MediaError.h"
#include "media/MediaMessages.h"
#include "media/SoundDevice.h"
#include "media/WaveCollection.h"

namespace media {

namespace {

constexpr auto WaitPollInterval = std::chrono::milliseconds(10);

}  // namespace

TWaveCollectionItem::TWaveCollectionItem(TWaveCollection& collection) : collection_(collection) {}

TWaveCollectionItem::~TWaveCollectionItem() {
    Finalize();
}

void TWaveCollectionItem::SetLooped(bool looped) {
    if (looped == looped_) {
        return;
    }
    if (initialized_) {
        StopAll();
    }
    looped_ = looped;
}

void TWaveCollectionItem::SetMaxPlayingCount(int count) {
    count = std::max(count, 0);
    if (count == maxPlayingCount_) {
        return;
    }
    if (initialized_) {
        playBuffers_.clear();
    }
    maxPlayingCount_ = count;
}

void TWaveCollectionItem::SetFrequency(int frequency) {
    frequency = frequency == 0 ? 0 : std::clamp(frequency, MinFrequency, MaxFrequency);
    if (frequency == frequency_) {
        return;
    }
    frequency_ = frequency;
    if (initialized_ && masterBuffer_) {
        masterBuffer_->Load(Mixer(), Wave, frequency_);
    }
}

void TWaveCollectionItem::SetPan(int pan) {
    pan_ = std::clamp(pan, TSoundBuffer::PanLeft, TSoundBuffer::PanRight);
}

void TWaveCollectionItem::SetVolume(int volume) {
    volume_ = std::clamp(volume, TSoundBuffer::VolumeSilent, 0);
}

void TWaveCollectionItem::Play(bool wait) {
    if (!initialized_) {
        return;
    }
    if (looped_) {
        TSoundBuffer* master = MasterBuffer();
        if (master == nullptr) {
            throw ESoundBufferError(
                formatText(messages::NotCreated, messages::SoundBufferObjectName));
        }
        master->Stop();
        master->Play(true);
        collection_.Started(*this);
        return;
    }
    TSoundBuffer* buffer = PickPlayBuffer();
    if (buffer == nullptr) {
        return;
    }
    buffer->Stop();
    buffer->SetPan(pan_);
    buffer->SetVolume(volume_);
    buffer->Play(false);
    collection_.Started(*this);
    while (wait && buffer->Playing()) {
        std::this_thread::sleep_for(WaitPollInterval);
    }
}

TSoundBuffer* TWaveCollectionItem::PickPlayBuffer() {
    for (const auto& buffer : playBuffers_) {
        if (!buffer->Playing()) {
            return buffer.get();
        }
    }
    const bool mayGrow =
        maxPlayingCount_ == 0 || static_cast<int>(playBuffers_.size()) < maxPlayingCount_;
    if (!mayGrow) {
        // The copy started longest ago takes over and goes to the end of the turn.
        std::rotate(playBuffers_.begin(), playBuffers_.begin() + 1, playBuffers_.end());
        return playBuffers_.back().get();
    }
    std::unique_ptr<TSoundBuffer> buffer = NewPlayBuffer();
    if (!buffer) {
        return nullptr;
    }
    playBuffers_.push_back(std::move(buffer));
    return playBuffers_.back().get();
}

std::unique_ptr<TSoundBuffer> TWaveCollectionItem::NewPlayBuffer() {
    TSoundBuffer* master = MasterBuffer();
    if (master == nullptr) {
        return nullptr;
    }
    return master->Duplicate(Mixer());
}

TSoundBuffer* TWaveCollectionItem::MasterBuffer() {
    if (initialized_ && !masterBuffer_) {
        Restore();
    }
    return masterBuffer_.get();
}

void TWaveCollectionItem::StopAll() {
    if (masterBuffer_) {
        masterBuffer_->Stop();
    }
    for (const auto& buffer : playBuffers_) {
        buffer->Stop();
    }
}

void TWaveCollectionItem::Initialize() {
    Finalize();
    initialized_ = collection_.BoundToInitializedDevice();
}

void TWaveCollectionItem::Finalize() {
    if (!initialized_) {
        return;
    }
    initialized_ = false;
    playBuffers_.clear();
    masterBuffer_.reset();
}

void TWaveCollectionItem::Restore() {
    if (Wave.empty()) {
        return;
    }
    if (!initialized_) {
        Initialize();
        if (!initialized_) {
            return;
        }
    }
    if (masterBuffer_) {
        masterBuffer_->Load(Mixer(), Wave, frequency_);
    } else {
        masterBuffer_ = std::make_unique<TSoundBuffer>(Mixer(), Wave, frequency_);
    }
    masterBuffer_->SetPan(pan_);
    masterBuffer_->SetVolume(volume_);
}

platform::Mixer& TWaveCollectionItem::Mixer() {
    return collection_.Device()->Mixer();
}

}  // namespace media
