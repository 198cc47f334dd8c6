// PNG files read back as the pixels written, and a file that cannot be written says so.

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/PngFile.h"
#include "platform/SdlHandles.h"
#include "tests/support/TempDirectory.h"

namespace platform {
namespace {

TEST(PngFileTest, ReadsBackThePixelsRowByRow) {
    testsupport::TempWorkingDirectory directory;
    const std::vector<std::uint32_t> pixels{0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                            0xFF000000, 0xFFFFFFFF, 0xFF123456};
    savePng(pixels.data(), 3, 2, "frame.png");
    const SurfaceHandle loaded(IMG_Load("frame.png"));
    ASSERT_TRUE(loaded);
    const SurfaceHandle argb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0));
    ASSERT_TRUE(argb);
    ASSERT_EQ(argb->w, 3);
    ASSERT_EQ(argb->h, 2);
    std::vector<std::uint32_t> read;
    for (int y = 0; y < argb->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(argb->pixels) + y * argb->pitch);
        read.insert(read.end(), row, row + argb->w);
    }
    EXPECT_EQ(read, pixels);
}

TEST(PngFileTest, AFileThatCannotBeWrittenIsReported) {
    testsupport::TempWorkingDirectory directory;
    const std::uint32_t pixel = 0xFF000000;
    try {
        savePng(&pixel, 1, 1, "missing/frame.png");
        FAIL();
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()).rfind("cannot write missing/frame.png: ", 0), 0u)
            << error.what();
    }
}

}  // namespace
}  // namespace platform
