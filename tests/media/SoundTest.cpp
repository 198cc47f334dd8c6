#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "media/MediaError.h"
#include "media/WaveList.h"
#include "media/encode/WaveEncoding.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/HeadlessDrivers.h"
#include "platform/MessageBoxes.h"
#include "platform/Window.h"

namespace {

using namespace media;
using namespace std::chrono_literals;

// Mono 16-bit samples of the given length at 22050 Hz.
TWave waveOf(std::chrono::milliseconds length) {
    const auto count = static_cast<std::size_t>(22050 * length.count() / 1000);
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = static_cast<std::int16_t>(i % 100 * 100);
    }
    return monoPcmWave16(22050, samples);
}

// The dummy audio driver plays in real time: waits for sounds to end, within a bound.
bool eventually(const std::function<bool()>& condition) {
    const auto deadline = std::chrono::steady_clock::now() + 3s;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

class SoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::useHeadlessDrivers();
        window = std::make_unique<platform::Window>(app, "test", 80, 60);
        device = std::make_unique<TSoundDevice>(window.get());
        list.OnPlay = [this](int index) { started.push_back(index); };
    }

    void TearDown() override {
        list.SetSoundDevice(nullptr);
        device.reset();
        window.reset();
    }

    TWaveCollectionItem& addSound(std::chrono::milliseconds length) {
        TWaveCollectionItem& item = list.Items().Add();
        item.Wave = waveOf(length);
        return item;
    }

    void start() {
        device->Loaded();
        list.SetSoundDevice(device.get());
    }

    static int soundingCopies(const TWaveCollectionItem& item) {
        int count = 0;
        for (const auto& buffer : item.PlayBuffers()) {
            count += buffer->Playing() ? 1 : 0;
        }
        return count;
    }

    TSoundDevice::TNotifyRoutine recorder(const std::string& name) {
        return [this, name](TSoundDevice&, TSoundDeviceNotifyType kind) {
            log.push_back(name + ":" + std::to_string(kind));
        };
    }

    platform::ManualClock clock;
    platform::RecordedMessageBoxes boxes;
    platform::Application app{clock, boxes};
    std::unique_ptr<platform::Window> window;
    std::unique_ptr<TSoundDevice> device;
    TWaveList list;
    std::vector<int> started;
    std::vector<std::string> log;
};

TEST_F(SoundTest, TheDeviceNotifiesLastRegisteredFirstAndCatchesLateComersUp) {
    device->OnInitialize = [this](TSoundDevice&) { log.push_back("OnInitialize"); };
    device->OnRestore = [this](TSoundDevice&) { log.push_back("OnRestore"); };
    device->OnFinalize = [this](TSoundDevice&) { log.push_back("OnFinalize"); };
    device->RegisterNotifyEvent(recorder("a"));
    device->RegisterNotifyEvent(recorder("b"));
    device->Initialize();
    EXPECT_EQ(log, (std::vector<std::string>{"b:1", "a:1", "b:2", "a:2", "OnInitialize", "b:4",
                                             "a:4", "OnRestore"}));
    log.clear();
    const auto late = device->RegisterNotifyEvent(recorder("late"));
    device->UnRegisterNotifyEvent(late);
    EXPECT_EQ(log, (std::vector<std::string>{"late:2", "late:4", "late:3"}));
    log.clear();
    device->Finalize();
    device->Finalize();
    EXPECT_EQ(log, (std::vector<std::string>{"OnFinalize", "b:3", "a:3"}));
    EXPECT_FALSE(device->Initialized());
}

// The player's volume holds for every mixer the device opens, before or after it opens.
TEST_F(SoundTest, TheMasterVolumeReachesTheMixer) {
    device->setMasterVolume(40);
    device->Initialize();
    EXPECT_EQ(device->Mixer().masterVolume(), 40);
    device->setMasterVolume(0);
    EXPECT_EQ(device->Mixer().masterVolume(), 0);
    device->Finalize();
    device->Initialize();
    EXPECT_EQ(device->Mixer().masterVolume(), 0);
    device->setMasterVolume(100);
}

// A driver that is not there, for one test; the tests after it in the same program get the
// dummy driver back.
class NoAudioDriver {
  public:
    NoAudioDriver() { setenv("SDL_AUDIODRIVER", "none-such", 1); }
    ~NoAudioDriver() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    NoAudioDriver(const NoAudioDriver&) = delete;
    NoAudioDriver& operator=(const NoAudioDriver&) = delete;
};

TEST_F(SoundTest, WithoutAnAudioDeviceTheListStaysSilentAndNothingIsReported) {
    const NoAudioDriver noDriver;
    addSound(50ms);
    start();
    EXPECT_FALSE(device->Initialized());
    list.Items(0).Play(false);
    EXPECT_TRUE(list.Items(0).PlayBuffers().empty());
    EXPECT_TRUE(started.empty());
    try {
        device->Initialize();
        FAIL();
    } catch (const ESoundDeviceError& error) {
        EXPECT_STREQ(error.what(), "SDL2_mixer を初期化できません");
    }
    try {
        device->Mixer();
        FAIL();
    } catch (const ESoundDeviceError& error) {
        EXPECT_STREQ(error.what(), "SDL2_mixer は作成されていません");
    }
}

TEST_F(SoundTest, ADeviceWithoutAnOwningFormCannotInitialise) {
    TSoundDevice orphan(nullptr);
    try {
        orphan.Initialize();
        FAIL();
    } catch (const ESoundError& error) {
        EXPECT_STREQ(error.what(), "フォームが見つかりません");
    }
}

TEST_F(SoundTest, PlayingAgainWhileSoundingOverlapsAndFinishedCopiesAreReused) {
    TWaveCollectionItem& item = addSound(80ms);
    start();
    ASSERT_TRUE(device->Initialized());
    item.Play(false);
    item.Play(false);
    item.Play(false);
    ASSERT_EQ(item.PlayBuffers().size(), 3u);
    EXPECT_EQ(soundingCopies(item), 3);
    EXPECT_FALSE(item.MasterBuffer()->Playing());
    ASSERT_TRUE(eventually([&] { return soundingCopies(item) == 0; }));
    const TSoundBuffer* first = item.PlayBuffers()[0].get();
    item.Play(false);
    ASSERT_EQ(item.PlayBuffers().size(), 3u);
    EXPECT_TRUE(first->Playing());
    EXPECT_EQ(soundingCopies(item), 1);
    EXPECT_EQ(started, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_THROW(list.Items(1), std::out_of_range);
}

TEST_F(SoundTest, AtMaxPlayingCountTheCopyStartedLongestAgoTakesOver) {
    TWaveCollectionItem& item = addSound(2000ms);
    item.SetMaxPlayingCount(2);
    start();
    item.Play(false);
    item.Play(false);
    const TSoundBuffer* older = item.PlayBuffers()[0].get();
    const TSoundBuffer* newer = item.PlayBuffers()[1].get();
    item.Play(false);
    ASSERT_EQ(item.PlayBuffers().size(), 2u);
    EXPECT_EQ(item.PlayBuffers()[0].get(), newer);
    EXPECT_EQ(item.PlayBuffers()[1].get(), older);
    EXPECT_EQ(soundingCopies(item), 2);
}

TEST_F(SoundTest, ALoopedSoundRestartsItsOneBufferAndKeepsSounding) {
    TWaveCollectionItem& item = addSound(20ms);
    item.SetLooped(true);
    start();
    item.Play(false);
    item.Play(false);
    EXPECT_TRUE(item.PlayBuffers().empty());
    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(item.MasterBuffer()->Playing());
    item.SetLooped(false);  // a change stops everything first
    EXPECT_FALSE(item.MasterBuffer()->Playing());
}

TEST_F(SoundTest, SettingsOnAnInitialisedItemFreeOrStopTheCopies) {
    TWaveCollectionItem& item = addSound(2000ms);
    item.SetMaxPlayingCount(-5);
    EXPECT_EQ(item.MaxPlayingCount(), 0);
    start();
    item.Play(false);
    item.Play(false);
    item.SetLooped(true);
    EXPECT_EQ(item.PlayBuffers().size(), 2u);
    EXPECT_EQ(soundingCopies(item), 0);
    item.SetMaxPlayingCount(1);
    EXPECT_TRUE(item.PlayBuffers().empty());
}

TEST_F(SoundTest, PlayingBeforeInitialisationOrAfterFinalisationDoesNothing) {
    TWaveCollectionItem& item = addSound(50ms);
    item.Play(false);
    start();
    device->Finalize();
    item.Play(false);
    EXPECT_FALSE(item.Initialized());
    EXPECT_EQ(item.MasterBuffer(), nullptr);
    EXPECT_TRUE(started.empty());
}

TEST_F(SoundTest, ASoundWithoutSamplesNeverSoundsAndALoopedOneSaysSo) {
    TWaveCollectionItem& item = list.Items().Add();
    item.Wave = TWave(waveOf(10ms).format(), {});
    start();
    item.Play(false);
    EXPECT_TRUE(item.PlayBuffers().empty());
    item.SetLooped(true);
    try {
        item.Play(false);
        FAIL();
    } catch (const ESoundBufferError& error) {
        EXPECT_STREQ(error.what(), "Mix_Chunk は作成されていません");
    }
    EXPECT_TRUE(started.empty());
}

TEST_F(SoundTest, AFormatTheMixerRefusesFailsAsTheSoundsLoadAndLeavesNoRegistration) {
    TWaveCollectionItem& item = list.Items().Add();
    item.Wave = TWave(
        std::vector<std::uint8_t>{2, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0},
        std::vector<std::uint8_t>(100));
    device->Loaded();
    try {
        list.SetSoundDevice(device.get());
        FAIL();
    } catch (const ESoundBufferError& error) {
        EXPECT_STREQ(error.what(), "サウンドバッファ を作成できません");
    }
    EXPECT_EQ(list.SoundDevice(), nullptr);
    EXPECT_FALSE(item.Initialized());
    device.reset();  // would reach the list if it were still registered
}

TEST_F(SoundTest, PlayWithWaitReturnsOnceTheSoundHasEnded) {
    TWaveCollectionItem& item = addSound(60ms);
    start();
    const auto before = std::chrono::steady_clock::now();
    item.Play(true);
    EXPECT_GE(std::chrono::steady_clock::now() - before, 40ms);
    EXPECT_EQ(soundingCopies(item), 0);
}

TEST_F(SoundTest, ANewFrequencyReloadsTheSamplesForEveryCopy) {
    TWaveCollectionItem& item = addSound(200ms);
    start();
    auto playingTime = [&item] {
        const auto before = std::chrono::steady_clock::now();
        item.Play(true);
        return std::chrono::steady_clock::now() - before;
    };
    const auto atOwnRate = playingTime();
    item.SetFrequency(44100);  // twice the wave's rate: half as long
    EXPECT_LT(playingTime(), atOwnRate * 3 / 4);
    EXPECT_EQ(item.PlayBuffers().size(), 1u);
    item.SetFrequency(5);
    EXPECT_EQ(item.Frequency(), TWaveCollectionItem::MinFrequency);
}

}  // namespace
