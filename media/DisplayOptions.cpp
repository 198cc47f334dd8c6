#include "media/DisplayOptions.h"

namespace media {

namespace {

TDisplayOptions withoutAll(TDisplayOptions options, std::initializer_list<TDisplayOption> removed) {
    for (TDisplayOption option : removed) {
        options = options.without(option);
    }
    return options;
}

}  // namespace

TDisplayOptions effectiveOptionsOf(TDisplayOptions options) {
    if (!options.contains(doFullScreen)) {
        options = withoutAll(options, {doNoWindowChange, doAllowReboot, doAllowPalette256, doFlip});
    }
    if (!options.contains(do3D)) {
        options = withoutAll(options,
                             {doModernApi, doRetainedMode, doHardware, doSelectDriver, doZBuffer});
    }
    if (options.contains(doSystemMemory)) {
        options = options.without(doFlip);
    }
    if (options.contains(doModernApi)) {
        options = options.without(doRetainedMode);
    }
    return options.without(doHardware);
}

TDisplayOptions withLiveOptions(TDisplayOptions effective, TDisplayOptions options) {
    for (TDisplayOption option : {doWaitVBlank, doStretch, doCenter}) {
        effective = options.contains(option) ? effective.with(option) : effective.without(option);
    }
    return effective;
}

}  // namespace media
