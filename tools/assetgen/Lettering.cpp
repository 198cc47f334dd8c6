#include "tools/assetgen/Lettering.h"

#include <stdexcept>

#include "tools/assetgen/FontFace.h"

namespace assetgen {

namespace {

// Each letter's ink, with the gap between them; a letter without ink (a space) keeps its width.
AlphaMap setSideBySide(const std::vector<std::string>& letters, const LetteringStyle& style) {
    const FontFace face(style.family, style.renderSize);
    std::vector<AlphaMap> pieces;
    int width = 0;
    int height = 0;
    for (const std::string& letter : letters) {
        const AlphaMap rendered = face.render(letter);
        const auto ink = rendered.inkBox();
        const Box columns = ink ? Box{ink->left, 0, ink->right, rendered.height() - 1}
                                : Box{0, 0, rendered.width() - 1, rendered.height() - 1};
        pieces.push_back(ink ? rendered.cropped(columns) : AlphaMap(columns.width(), 1));
        width += columns.width() + style.letterGap;
        height = std::max(height, rendered.height());
    }
    AlphaMap word(width - style.letterGap, height);
    int x = 0;
    for (const AlphaMap& piece : pieces) {
        word.overlay(piece, x, 0);
        x += piece.width() + style.letterGap;
    }
    return word.cropped(*word.inkBox());
}

AlphaMap hardened(const AlphaMap& map) {
    AlphaMap result(map.width(), map.height());
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x) {
            result.set(x, y, map.covers(x, y) ? 1.0f : 0.0f);
        }
    }
    return result;
}

// Reduces the shape so that its hard ink box is exactly width × height. Thin edge columns may
// fall under half coverage, so the reduction grows until the box comes out whole.
AlphaMap reducedToBox(const AlphaMap& shape, int width, int height) {
    const AlphaMap ink = shape.cropped(*shape.inkBox());
    int targetWidth = width;
    int targetHeight = height;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const AlphaMap reduced = ink.resampled(targetWidth, targetHeight);
        const Box box = *reduced.inkBox();
        if (box.width() == width && box.height() == height) {
            return hardened(reduced.cropped(box));
        }
        targetWidth += width - box.width();
        targetHeight += height - box.height();
    }
    throw std::runtime_error("lettering does not fit its box");
}

}  // namespace

AlphaMap letterShape(const std::vector<std::string>& letters, const LetteringStyle& style,
                     int width, int height) {
    const AlphaMap word = setSideBySide(letters, style);
    const int scale = style.supersample;
    const int margin = style.weight;
    AlphaMap working(width * scale, height * scale);
    working.overlay(word.resampled(width * scale - 2 * margin, height * scale - 2 * margin), margin,
                    margin);
    return reducedToBox(working.thickened(margin), width, height);
}

}  // namespace assetgen
