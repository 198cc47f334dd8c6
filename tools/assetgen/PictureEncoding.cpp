#include "tools/assetgen/PictureEncoding.h"

#include <vector>

namespace assetgen {

media::TDIB indexedPicture(const Canvas& canvas, const ColourTable& table) {
    std::vector<media::ColorEntry> entries;
    for (const Rgb colour : table.entries()) {
        entries.push_back({colour.b, colour.g, colour.r, 0});
    }
    std::vector<std::uint8_t> indexes;
    for (const Rgb colour : canvas.pixels()) {
        indexes.push_back(table.indexOf(colour));
    }
    return media::TDIB::fromIndexes8(canvas.width(), canvas.height(), entries, indexes);
}

media::TDIB truecolourPicture(const Canvas& canvas) {
    std::vector<std::uint8_t> rgb;
    for (const Rgb colour : canvas.pixels()) {
        rgb.insert(rgb.end(), {colour.r, colour.g, colour.b});
    }
    return media::TDIB::fromRgb24(canvas.width(), canvas.height(), rgb);
}

}  // namespace assetgen
