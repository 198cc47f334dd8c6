#include "media/Display.h"

#include <utility>

#include "media/EveryStep.h"
#include "media/FireEvent.h"
#include "media/MediaError.h"
#include "media/MediaMessages.h"
#include "media/SurfaceCanvas.h"
#include "platform/Application.h"
#include "platform/FramePresenter.h"
#include "platform/ScopedFlag.h"
#include "platform/Window.h"
#include "text/Translation.h"

namespace media {

using platform::ScopedFlag;

TDisplay::TDisplay(platform::Window* owner)
    : ColorTable(defaultSystemColorTable()),
      DefaultColorTable(defaultSystemColorTable()),
      owner_(owner),
      notifications_(
          *this, [this] { return JoiningKinds(); }, [this] { return LeavingKinds(); }) {
    if (owner_ == nullptr) {
        return;
    }
    firstShowListener_ = owner_->addFirstShowListener([this] {
        if (!AutoInitialize || initializeCalled_) {
            return;
        }
        try {
            Initialize();
        } catch (const std::exception& error) {
            owner_->application().showException(error);
        }
    });
    destroyingListener_ = owner_->addHandleDestroyingListener([this] { Finalize(); });
    paintListener_ =
        owner_->addPaintListener([this] { RunWithoutVBlankWait([this] { PresentFrame(); }); });
}

TDisplay::~TDisplay() {
    try {
        Finalize();
    } catch (...) {
        // A handler failing while the program ends has nobody left to report to.
    }
    Notify(ntDestroying);
    if (owner_ != nullptr) {
        owner_->removeListener(firstShowListener_);
        owner_->removeListener(destroyingListener_);
        owner_->removeListener(paintListener_);
    }
}

void TDisplay::SetDisplaySize(int width, int height) {
    mode_.Width = width;
    mode_.Height = height;
}

void TDisplay::SetDisplayBitCount(int bitCount) {
    if (!isValidBitCount(bitCount)) {
        throw EDisplayDeviceError(text::tr(messages::InvalidBitCount));
    }
    mode_.BitCount = bitCount;
}

void TDisplay::SetOptions(TDisplayOptions options) {
    options_ = options;
    if (!initialized_) {
        effective_ = effectiveOptionsOf(options);
        return;
    }
    effective_ = withLiveOptions(effective_, options);
    if (presenter_) {
        presenter_->setWaitVBlank(effective_.contains(doWaitVBlank));
    }
}

int TDisplay::SurfaceWidth() const {
    if (backSurface_) {
        return backSurface_->Width();
    }
    if (!surfaceWidth_ && owner_ != nullptr) {
        return owner_->clientWidth();
    }
    return surfaceWidth_.value_or(0);
}

int TDisplay::SurfaceHeight() const {
    if (backSurface_) {
        return backSurface_->Height();
    }
    if (!surfaceHeight_ && owner_ != nullptr) {
        return owner_->clientHeight();
    }
    return surfaceHeight_.value_or(0);
}

void TDisplay::SetSurfaceWidth(int width) {
    if (loading_) {
        surfaceWidth_ = width;
        return;
    }
    Resize(width, SurfaceHeight());
}

void TDisplay::SetSurfaceHeight(int height) {
    if (loading_) {
        surfaceHeight_ = height;
        return;
    }
    Resize(SurfaceWidth(), height);
}

void TDisplay::Resize(int width, int height) {
    if ((width == SurfaceWidth() && height == SurfaceHeight()) || updating_) {
        return;
    }
    surfaceWidth_ = width;
    surfaceHeight_ = height;
    if (initialized_) {
        if (onInitializeSurfaceFired_) {
            fireEvent(OnFinalizeSurface, *this);
        }
        Notify(ntFinalizeSurface);
        {
            ScopedFlag guard(updating_);
            CreateDevice();
        }
        Notify(ntInitializeSurface);
        fireEvent(OnInitializeSurface, *this);
    }
    Notify(ntSetSurfaceSize);
}

void TDisplay::Initialize() {
    initializeCalled_ = true;
    Finalize();
    if (owner_ == nullptr) {
        throw EDisplayError(text::tr(messages::FormNotFound));
    }
    {
        ScopedFlag initializing(initializing_);
        InitializeDeviceAndNotify();
    }
    Restore();
}

void TDisplay::InitializeDeviceAndNotify() {
    try {
        fireEvent(OnInitializing, *this);
        pastInitializing_ = true;
        {
            ScopedFlag guard(updating_);
            Notify(ntInitializing);
            if (effective_.contains(doFullScreen)) {
                ChooseMode();
            }
            owner_->setFullScreen(effective_.contains(doFullScreen));
            if (AutoSize) {
                surfaceWidth_ = owner_->clientWidth();
                surfaceHeight_ = owner_->clientHeight();
            }
            CreateDevice();
        }
        initialized_ = true;
    } catch (...) {
        Finalize();
        throw;
    }
    Notify(ntSetSurfaceSize);
    Notify(ntInitialize);
    onInitializeFired_ = true;
    fireEvent(OnInitialize, *this);
    Notify(ntInitializeSurface);
    onInitializeSurfaceFired_ = true;
    fireEvent(OnInitializeSurface, *this);
}

void TDisplay::ChooseMode() {
    std::vector<OfferedMode> offered;
    // Every desktop mode can show any bit count: frames are converted when presented.
    for (const platform::ScreenMode& mode : platform::offeredScreenModes()) {
        offered.push_back(OfferedMode{mode.width, mode.height, mode_.BitCount});
    }
    if (!chooseDisplayMode(mode_, offered)) {
        throw EDisplayError(formatText(messages::CannotChangeDisplayMode, mode_.Width, mode_.Height,
                                       mode_.BitCount));
    }
}

void TDisplay::CreateDevice() {
    backSurface_.reset();
    const int width = std::max(SurfaceWidth(), 1);
    const int height = std::max(SurfaceHeight(), 1);
    presenter_.reset();
    try {
        presenter_ = std::make_unique<platform::FramePresenter>(*owner_, width, height,
                                                                effective_.contains(doWaitVBlank));
    } catch (const std::exception&) {
        throw EDisplayError(formatText(messages::CannotCreate, messages::PrimarySurfaceName));
    }
    backSurface_ = std::make_unique<TSurface>(width, height, palette_, glyphs_);
    // Without a system palette, all 256 entries come from the table.
    palette_.load(ColorTable);
    backSurface_->Fill(0);
}

void TDisplay::ReleaseDevice() {
    if (backSurface_) {
        surfaceWidth_ = backSurface_->Width();
        surfaceHeight_ = backSurface_->Height();
    }
    backSurface_.reset();
    presenter_.reset();
    if (owner_ != nullptr) {
        owner_->setFullScreen(false);
    }
}

void TDisplay::Finalize() {
    if (!pastInitializing_) {
        return;
    }
    pastInitializing_ = false;
    EveryStep steps;
    {
        ScopedFlag guard(updating_);
        if (onInitializeSurfaceFired_) {
            onInitializeSurfaceFired_ = false;
            steps.run([this] { fireEvent(OnFinalizeSurface, *this); });
        }
        steps.run([this] { Notify(ntFinalizeSurface); });
        if (onInitializeFired_) {
            onInitializeFired_ = false;
            steps.run([this] { fireEvent(OnFinalize, *this); });
        }
        steps.run([this] { Notify(ntFinalize); });
        initialized_ = false;
        effective_ = effectiveOptionsOf(options_);
        ReleaseDevice();
    }
    steps.finish();
}

void TDisplay::Restore() {
    if (!initialized_ || updating_) {
        return;
    }
    ScopedFlag guard(updating_);
    backSurface_->Canvas().Release();
    backSurface_->Fill(0);
    palette_.load(DefaultColorTable);
    Notify(ntRestore);
    fireEvent(OnRestoreSurface, *this);
    palette_.load(ColorTable);
}

bool TDisplay::EnsureSurfaces() {
    return initialized_ && !updating_ && presenter_ != nullptr;
}

bool TDisplay::ReadyToDraw() {
    return initialized_ && !updating_ && backSurface_ && EnsureSurfaces();
}

void TDisplay::PresentFrame() {
    if (!initialized_ || updating_ || !EnsureSurfaces() || backSurface_->Locked()) {
        return;
    }
    presenter_->present(backSurface_->Pixels(),
                        dimmed_ ? dimmedLookup_.data() : palette_.argb().data());
}

void TDisplay::setDimmed(bool dimmed) {
    dimmed_ = dimmed;
    const auto& lookup = palette_.argb();
    dimmedLookup_.assign(lookup.begin(), lookup.end());
    for (std::uint32_t& pixel : dimmedLookup_) {
        pixel = (pixel & 0xFF000000U) | ((pixel >> 1) & 0x007F7F7FU);
    }
    PresentFrame();
}

void TDisplay::RunWithoutVBlankWait(const std::function<void()>& action) {
    const bool waits = effective_.contains(doWaitVBlank);
    if (waits && presenter_) {
        presenter_->setWaitVBlank(false);
    }
    action();
    if (waits && presenter_) {
        presenter_->setWaitVBlank(true);
    }
}

TDisplay::NotifyId TDisplay::RegisterNotifyEvent(TNotifyRoutine routine) {
    return notifications_.add(std::move(routine));
}

void TDisplay::UnRegisterNotifyEvent(NotifyId id) {
    notifications_.remove(id);
}

std::vector<TDisplayNotifyType> TDisplay::JoiningKinds() const {
    std::vector<TDisplayNotifyType> kinds{ntSetSurfaceSize};
    if (initialized_) {
        kinds.push_back(ntInitialize);
        if (onInitializeSurfaceFired_) {
            kinds.push_back(ntInitializeSurface);
        }
        if (!initializing_) {
            kinds.push_back(ntRestore);
        }
    }
    return kinds;
}

std::vector<TDisplayNotifyType> TDisplay::LeavingKinds() const {
    std::vector<TDisplayNotifyType> kinds;
    if (onInitializeSurfaceFired_) {
        kinds.push_back(ntFinalizeSurface);
    }
    if (initialized_) {
        kinds.push_back(ntFinalize);
    }
    return kinds;
}

void TDisplay::Notify(TDisplayNotifyType kind) {
    notifications_.notify(kind);
}

}  // namespace media
