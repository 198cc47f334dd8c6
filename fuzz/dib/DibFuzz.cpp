// Feeds arbitrary bytes to both picture readers; whatever reads must survive a write and re-read.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "media/Dib.h"
#include "media/encode/DibEncoding.h"

namespace {

// Larger pictures are only read: writing them again would slow the search down.
constexpr long long MaxComparedPixels = 1 << 16;

void checkRoundTrip(const media::TDIB& dib) {
    if (static_cast<long long>(dib.width()) * dib.height() > MaxComparedPixels) {
        return;
    }
    const media::TDIB back = media::TDIB::readPictureData(media::encodePictureData(dib));
    if (back.width() != dib.width() || back.height() != dib.height() ||
        back.bitCount() != dib.bitCount()) {
        std::abort();
    }
    for (int y = 0; y < dib.height(); ++y) {
        for (int x = 0; x < dib.width(); ++x) {
            if (back.pixelColor(x, y) != dib.pixelColor(x, y)) {
                std::abort();
            }
        }
    }
}

void readAndCheck(media::TDIB (*read)(std::span<const std::uint8_t>),
                  std::span<const std::uint8_t> data) {
    try {
        const media::TDIB dib = read(data);
        if (!dib.empty()) {
            checkRoundTrip(dib);
        }
    } catch (const media::EInvalidDib&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    readAndCheck(media::TDIB::readPictureData, bytes);
    readAndCheck(media::TDIB::readFile, bytes);
    return 0;
}
