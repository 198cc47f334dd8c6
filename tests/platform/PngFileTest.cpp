// PNG files read back as the pixels written, and a file that cannot be written or read says so.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/PngFile.h"
#include "tests/support/TempDirectory.h"

namespace platform {
namespace {

TEST(PngFileTest, ReadsBackThePixelsRowByRow) {
    testsupport::TempWorkingDirectory directory;
    const std::vector<std::uint32_t> pixels{0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                            0xFF000000, 0xFFFFFFFF, 0xFF123456};
    savePng(pixels.data(), 3, 2, "frame.png");
    const ArgbImage read = loadPng("frame.png");
    EXPECT_EQ(read.width, 3);
    EXPECT_EQ(read.height, 2);
    EXPECT_EQ(read.pixels, pixels);
}

TEST(PngFileTest, RgbBytesEncodeToAPngThatReadsBackOpaque) {
    testsupport::TempWorkingDirectory directory;
    const std::vector<std::uint8_t> rgb{0xFF, 0x00, 0x00, 0x12, 0x34, 0x56,  // first row
                                        0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF};
    const std::vector<std::uint8_t> png = encodeRgbPng(rgb.data(), 2, 2);
    std::ofstream("picture.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    const ArgbImage read = loadPng("picture.png");
    EXPECT_EQ(read.pixels,
              (std::vector<std::uint32_t>{0xFFFF0000, 0xFF123456, 0xFF0000FF, 0xFFFFFFFF}));
}

TEST(PngFileTest, AFileThatIsNoPictureIsReported) {
    testsupport::TempWorkingDirectory directory;
    std::ofstream("broken.png") << "not a picture";
    for (const char* path : {"broken.png", "missing.png"}) {
        try {
            loadPng(path);
            ADD_FAILURE() << path;
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()).rfind("cannot read " + std::string(path) + ": ", 0),
                      0u)
                << error.what();
        }
    }
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
