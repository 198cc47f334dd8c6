#pragma once
// The display's options and the set of them actually in force.

#include <cstdint>
#include <initializer_list>

namespace media {

enum TDisplayOption : std::uint16_t {
    doFullScreen = 0,
    doNoWindowChange = 1,
    doAllowReboot = 2,
    doWaitVBlank = 3,
    doAllowPalette256 = 4,
    doSystemMemory = 5,
    doStretch = 6,
    doCenter = 7,
    doFlip = 8,
    do3D = 9,
    doModernApi = 10,
    doRetainedMode = 11,
    doHardware = 12,
    doSelectDriver = 13,
    doZBuffer = 14,
};

// A set of options, each option's ordinal its bit.
class TDisplayOptions {
  public:
    constexpr TDisplayOptions() = default;
    constexpr TDisplayOptions(std::initializer_list<TDisplayOption> options) {
        for (TDisplayOption option : options) {
            bits_ |= bit(option);
        }
    }
    static constexpr TDisplayOptions fromBits(std::uint16_t bits) {
        TDisplayOptions options;
        options.bits_ = bits;
        return options;
    }

    constexpr bool contains(TDisplayOption option) const { return (bits_ & bit(option)) != 0; }
    constexpr TDisplayOptions with(TDisplayOption option) const {
        return fromBits(bits_ | bit(option));
    }
    constexpr TDisplayOptions without(TDisplayOption option) const {
        return fromBits(bits_ & ~bit(option));
    }
    constexpr std::uint16_t bits() const { return bits_; }
    constexpr bool operator==(const TDisplayOptions&) const = default;

  private:
    static constexpr std::uint16_t bit(TDisplayOption option) {
        return static_cast<std::uint16_t>(1u << option);
    }
    std::uint16_t bits_ = 0;
};

inline constexpr TDisplayOptions DefaultDisplayOptions{doAllowReboot, doWaitVBlank, doCenter,
                                                       doModernApi,   doHardware,   doSelectDriver};

// The options in force for the stored ones, as computed while the display is not initialised.
TDisplayOptions effectiveOptionsOf(TDisplayOptions options);

// While initialised only these change at once; the rest waits for the next initialise.
TDisplayOptions withLiveOptions(TDisplayOptions effective, TDisplayOptions options);

}  // namespace media
