#include "tools/loudness/Loudness.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace loudness {

namespace {

constexpr double BlockSeconds = 0.05;
constexpr double GateDecibels = -20.0;

std::vector<double> blockPowers(std::span<const double> values, int rate) {
    const auto block =
        std::max<std::size_t>(1, static_cast<std::size_t>(std::lround(BlockSeconds * rate)));
    std::vector<double> powers;
    for (std::size_t start = 0; start < values.size(); start += block) {
        const std::size_t end = std::min(values.size(), start + block);
        double sum = 0;
        for (std::size_t i = start; i < end; ++i) {
            sum += values[i] * values[i];
        }
        powers.push_back(sum / static_cast<double>(end - start));
    }
    return powers;
}

}  // namespace

double loudnessOf(std::span<const double> values, int rate) {
    const std::vector<double> powers = blockPowers(values, rate);
    const double loudest = powers.empty() ? 0 : *std::max_element(powers.begin(), powers.end());
    if (loudest == 0) {
        throw std::invalid_argument("silent sound");
    }
    const double gate = loudest * std::pow(10.0, GateDecibels / 10.0);
    double sum = 0;
    int counted = 0;
    for (const double power : powers) {
        if (power >= gate) {
            sum += power;
            ++counted;
        }
    }
    return 10.0 * std::log10(sum / counted);
}

}  // namespace loudness
