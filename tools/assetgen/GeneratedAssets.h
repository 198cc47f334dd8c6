#pragma once
// Every file the generator writes, in list order: three pictures, seven sounds, then the
// program's icons.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace assetgen {

struct GeneratedAsset {
    // Relative to the output folder.
    std::string fileName;
    // The stored form: the picture data stream, the RIFF WAVE image, or a PNG file.
    std::function<std::vector<std::uint8_t>()> make;
};

std::vector<GeneratedAsset> generatedAssets();

}  // namespace assetgen
