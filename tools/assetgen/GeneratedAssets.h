#pragma once
// Every file the generator writes, in list order: three pictures, then seven sounds.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace assetgen {

struct GeneratedAsset {
    std::string fileName;
    // The stored form: the picture data stream, or the RIFF WAVE image.
    std::function<std::vector<std::uint8_t>()> make;
};

std::vector<GeneratedAsset> generatedAssets();

}  // namespace assetgen
