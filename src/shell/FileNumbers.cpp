#include "shell/FileNumbers.h"

#include "runtime/Numbers.h"

#include <cmath>

std::optional<int> FileInteger(const QString& line) {
    const double value = std::nearbyint(runtime::Val(line)); // the default rounding: halves to even
    if (!std::isfinite(value) || value < -32768.0 || value > 32767.0) return std::nullopt;
    return static_cast<int>(value);
}
