#include "media/ColorTableBuilder.h"

#include <algorithm>

namespace media {

namespace {

struct StandardColor {
    int index;
    std::uint8_t red, green, blue;
};

constexpr StandardColor StandardColors[] = {
    {0, 0, 0, 0},         {1, 128, 0, 0},     {2, 0, 128, 0},     {3, 128, 128, 0},
    {4, 0, 0, 128},       {5, 128, 0, 128},   {6, 0, 128, 128},   {7, 192, 192, 192},
    {248, 128, 128, 128}, {249, 255, 0, 0},   {250, 0, 255, 0},   {251, 255, 255, 0},
    {252, 0, 0, 255},     {253, 255, 0, 255}, {254, 0, 255, 255}, {255, 255, 255, 255},
};

}  // namespace

ColorTableBuilder::ColorTableBuilder() {
    for (const StandardColor& standard : StandardColors) {
        use(standard.index, ColorEntry{standard.blue, standard.green, standard.red, 0});
    }
}

void ColorTableBuilder::addPicture(const TDIB& picture) {
    if (picture.bitCount() > 8) {
        return;
    }
    for (const ColorEntry& color : picture.colorTable256()) {
        addColor(color);
    }
}

void ColorTableBuilder::addColor(ColorEntry color) {
    for (std::size_t i = 0; i < table_.size(); ++i) {
        if (used_[i] && table_[i] == color) {
            return;
        }
    }
    auto free = std::find(used_.begin(), used_.end(), false);
    if (free != used_.end()) {
        use(static_cast<int>(free - used_.begin()), color);
    }
}

void ColorTableBuilder::use(int index, ColorEntry color) {
    table_[index] = color;
    used_[index] = true;
    ++count_;
}

}  // namespace media
