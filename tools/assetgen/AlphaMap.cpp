#include "tools/assetgen/AlphaMap.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace assetgen {

namespace {

// Weights of source cells [0, sourceLength) falling into each of targetLength equal parts.
struct Span {
    int first;
    std::vector<float> weights;
};

std::vector<Span> areaSpans(int sourceLength, int targetLength) {
    const double scale = static_cast<double>(sourceLength) / targetLength;
    std::vector<Span> spans;
    for (int t = 0; t < targetLength; ++t) {
        const double begin = t * scale;
        const double end = (t + 1) * scale;
        Span span{static_cast<int>(std::floor(begin)), {}};
        for (int s = span.first; s < end && s < sourceLength; ++s) {
            const double overlap = std::min(end, s + 1.0) - std::max(begin, static_cast<double>(s));
            span.weights.push_back(static_cast<float>(overlap / scale));
        }
        spans.push_back(std::move(span));
    }
    return spans;
}

}  // namespace

AlphaMap::AlphaMap(int width, int height)
    : width_(width), height_(height), alpha_(static_cast<std::size_t>(width) * height) {
    if (width <= 0 || height <= 0) {
        throw std::invalid_argument("empty alpha map");
    }
}

float AlphaMap::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0.0f;
    }
    return alpha_[static_cast<std::size_t>(y) * width_ + x];
}

void AlphaMap::set(int x, int y, float alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    alpha_[static_cast<std::size_t>(y) * width_ + x] = alpha;
}

std::optional<Box> AlphaMap::inkBox() const {
    Box box{width_, height_, -1, -1};
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (covers(x, y)) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
    }
    if (box.right < 0) {
        return std::nullopt;
    }
    return box;
}

AlphaMap AlphaMap::cropped(const Box& box) const {
    AlphaMap result(box.width(), box.height());
    for (int y = 0; y < box.height(); ++y) {
        for (int x = 0; x < box.width(); ++x) {
            result.set(x, y, at(box.left + x, box.top + y));
        }
    }
    return result;
}

AlphaMap AlphaMap::resampled(int width, int height) const {
    const std::vector<Span> columns = areaSpans(width_, width);
    const std::vector<Span> rows = areaSpans(height_, height);
    AlphaMap across(width, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width; ++x) {
            float sum = 0.0f;
            for (std::size_t i = 0; i < columns[x].weights.size(); ++i) {
                sum += columns[x].weights[i] * at(columns[x].first + static_cast<int>(i), y);
            }
            across.set(x, y, sum);
        }
    }
    AlphaMap result(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float sum = 0.0f;
            for (std::size_t i = 0; i < rows[y].weights.size(); ++i) {
                sum += rows[y].weights[i] * across.at(x, rows[y].first + static_cast<int>(i));
            }
            result.set(x, y, std::min(sum, 1.0f));
        }
    }
    return result;
}

AlphaMap AlphaMap::thickened(int radius) const {
    std::vector<int> reach;  // half width of the disc on each row offset
    for (int dy = -radius; dy <= radius; ++dy) {
        reach.push_back(static_cast<int>(std::floor(std::sqrt(radius * radius - dy * dy + 0.5))));
    }
    AlphaMap result(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            float best = 0.0f;
            for (int dy = -radius; dy <= radius && best < 1.0f; ++dy) {
                const int half = reach[dy + radius];
                for (int dx = -half; dx <= half; ++dx) {
                    best = std::max(best, at(x + dx, y + dy));
                }
            }
            result.set(x, y, best);
        }
    }
    return result;
}

AlphaMap AlphaMap::without(const AlphaMap& other) const {
    AlphaMap result(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            result.set(x, y, covers(x, y) && !other.covers(x, y) ? 1.0f : 0.0f);
        }
    }
    return result;
}

void AlphaMap::overlay(const AlphaMap& other, int x, int y) {
    for (int oy = 0; oy < other.height(); ++oy) {
        for (int ox = 0; ox < other.width(); ++ox) {
            set(x + ox, y + oy, std::max(at(x + ox, y + oy), other.at(ox, oy)));
        }
    }
}

}  // namespace assetgen
