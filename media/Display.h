#pragma once
// The display: an 8-bit back surface of palette indexes on which each frame is composed,
// the palette, and the presentation of the frame full screen or in the owning window.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "media/DisplayMode.h"
#include "media/DisplayOptions.h"
#include "media/GlyphCache.h"
#include "media/NotificationList.h"
#include "media/Palette.h"
#include "media/Surface.h"

namespace platform {
class FramePresenter;
class Window;
}  // namespace platform

namespace media {

enum TDisplayNotifyType {
    ntDestroying = 0,
    ntInitializing = 1,
    ntInitialize = 2,
    ntInitializeSurface = 3,
    ntFinalize = 4,
    ntFinalizeSurface = 5,
    ntRestore = 6,
    ntSetSurfaceSize = 7,
};

class TDisplay {
  public:
    using TNotifyEvent = std::function<void(TDisplay& sender)>;
    using Notifications = NotificationList<TDisplay, TDisplayNotifyType>;
    using TNotifyRoutine = Notifications::Routine;
    using NotifyId = Notifications::Id;

    // The owning form's window; without one, Initialize fails.
    explicit TDisplay(platform::Window* owner);
    ~TDisplay();
    TDisplay(const TDisplay&) = delete;
    TDisplay& operator=(const TDisplay&) = delete;

    // Stored settings.
    bool AutoInitialize = true;
    bool AutoSize = true;
    TColorTable ColorTable;
    TColorTable DefaultColorTable;
    TNotifyEvent OnInitializing, OnInitialize, OnInitializeSurface, OnRestoreSurface,
        OnFinalizeSurface, OnFinalize;

    const TDisplayMode& Display() const { return mode_; }
    void SetDisplaySize(int width, int height);
    void SetDisplayBitCount(int bitCount);
    TDisplayOptions Options() const { return options_; }
    void SetOptions(TDisplayOptions options);
    TDisplayOptions EffectiveOptions() const { return effective_; }
    int SurfaceWidth() const;
    int SurfaceHeight() const;
    void SetSurfaceWidth(int width);
    void SetSurfaceHeight(int height);
    // While the owning form loads, the surface size setters only store.
    void BeginLoading() { loading_ = true; }
    void Loaded() { loading_ = false; }

    void Initialize();
    void Finalize();
    void Restore();
    bool EnsureSurfaces();
    bool ReadyToDraw();
    void PresentFrame();
    // While dimmed, the frame shows at half its brightness (the game behind a dialog).
    void setDimmed(bool dimmed);
    bool Initialized() const { return initialized_; }
    TSurface* BackSurface() { return backSurface_.get(); }
    const Palette& CurrentPalette() const { return palette_; }
    GlyphCache& Glyphs() { return glyphs_; }

    NotifyId RegisterNotifyEvent(TNotifyRoutine routine);
    void UnRegisterNotifyEvent(NotifyId id);

  private:
    void InitializeDeviceAndNotify();
    void CreateDevice();
    void ChooseMode();
    void ReleaseDevice();
    void Notify(TDisplayNotifyType kind);
    std::vector<TDisplayNotifyType> JoiningKinds() const;
    std::vector<TDisplayNotifyType> LeavingKinds() const;
    void Resize(int width, int height);
    void RunWithoutVBlankWait(const std::function<void()>& action);

    platform::Window* owner_;
    int firstShowListener_ = 0;
    int destroyingListener_ = 0;
    int paintListener_ = 0;
    TDisplayMode mode_;
    TDisplayOptions options_ = DefaultDisplayOptions;
    TDisplayOptions effective_ = effectiveOptionsOf(DefaultDisplayOptions);
    // Unset: the size of the owner's client area.
    std::optional<int> surfaceWidth_;
    std::optional<int> surfaceHeight_;
    bool loading_ = false;

    bool initialized_ = false;
    bool updating_ = false;
    bool initializing_ = false;
    bool initializeCalled_ = false;
    bool pastInitializing_ = false;
    bool onInitializeFired_ = false;
    bool onInitializeSurfaceFired_ = false;
    bool dimmed_ = false;
    std::vector<std::uint32_t> dimmedLookup_;

    Palette palette_;
    GlyphCache glyphs_;
    std::unique_ptr<platform::FramePresenter> presenter_;
    std::unique_ptr<TSurface> backSurface_;
    Notifications notifications_;
};

}  // namespace media
