#include "media/TurnTable.h"

#include <cmath>
#include <numbers>

namespace media {

namespace {

constexpr unsigned AngleMask = 255;
// A quarter turn back: sin a = cos(a - 64) = cos(a + 192).
constexpr unsigned SineShift = 192;

std::array<double, 256> computeTurnTable() {
    std::array<double, 256> table{};
    for (unsigned i = 0; i < table.size(); ++i) {
        const long double radians = i * 2.0L * std::numbers::pi_v<long double> / 256.0L;
        table[i] = static_cast<double>(std::cos(radians));
    }
    return table;
}

}  // namespace

const std::array<double, 256>& TurnTable() {
    static const std::array<double, 256> table = computeTurnTable();
    return table;
}

double TurnCos(int angle) {
    return TurnTable()[static_cast<unsigned>(angle) & AngleMask];
}

double TurnSin(int angle) {
    return TurnTable()[(static_cast<unsigned>(angle) + SineShift) & AngleMask];
}

}  // namespace media
