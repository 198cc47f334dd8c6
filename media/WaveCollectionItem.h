#pragma once
// One sound of the sound list: its wave, the device buffer holding its samples, and the copies
// that play it, so that a sound started again while it still sounds overlaps itself.

#include <memory>
#include <string>
#include <vector>

#include "media/SoundBuffer.h"
#include "media/Wave.h"

namespace media {

class TWaveCollection;

class TWaveCollectionItem {
  public:
    // Frequency 0 plays the samples at the wave's own rate; any other value is kept within
    // MinFrequency to MaxFrequency.
    static constexpr int MinFrequency = static_cast<int>(platform::Mixer::MinSampleRate);
    static constexpr int MaxFrequency = static_cast<int>(platform::Mixer::MaxSampleRate);

    explicit TWaveCollectionItem(TWaveCollection& collection);
    ~TWaveCollectionItem();
    TWaveCollectionItem(const TWaveCollectionItem&) = delete;
    TWaveCollectionItem& operator=(const TWaveCollectionItem&) = delete;

    // Stored settings.
    std::string Name;
    TWave Wave;
    bool Looped() const { return looped_; }
    // On an initialised item a change first stops every buffer.
    void SetLooped(bool looped);
    int MaxPlayingCount() const { return maxPlayingCount_; }
    // 0 is no limit; a negative count is kept as 0. A change frees all play copies.
    void SetMaxPlayingCount(int count);

    // Settings the game leaves at 0: the wave's own rate, centre, full volume (the units are
    // TSoundBuffer's). A new frequency reloads the samples.
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    int Pan() const { return pan_; }
    void SetPan(int pan);
    int Volume() const { return volume_; }
    void SetVolume(int volume);

    bool Initialized() const { return initialized_; }

    // Starts the sound and returns at once, or, with wait, once it has finished. A looped item
    // restarts its one buffer from the beginning; any other starts on the first copy that is
    // not sounding, a new copy when all are, or, with MaxPlayingCount copies all sounding, on
    // the one started longest ago. Nothing while not initialised.
    void Play(bool wait);

    // The buffer holding the samples, loaded on first need; none without samples or while not
    // initialised.
    TSoundBuffer* MasterBuffer();
    // The copies made so far, the next one to take over last.
    const std::vector<std::unique_ptr<TSoundBuffer>>& PlayBuffers() const { return playBuffers_; }

    // Silences every copy at once.
    void StopAll();

    // Run by the collection as the device comes and goes.
    void Initialize();
    void Finalize();
    // Loads the samples into the master buffer anew.
    void Restore();

  private:
    TSoundBuffer* PickPlayBuffer();
    std::unique_ptr<TSoundBuffer> NewPlayBuffer();
    platform::Mixer& Mixer();

    TWaveCollection& collection_;
    bool looped_ = false;
    int maxPlayingCount_ = 0;
    int frequency_ = 0;
    int pan_ = 0;
    int volume_ = 0;
    bool initialized_ = false;
    std::unique_ptr<TSoundBuffer> masterBuffer_;
    std::vector<std::unique_ptr<TSoundBuffer>> playBuffers_;
};

}  // namespace media
