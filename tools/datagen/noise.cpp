#include "noise.h"

#include <cmath>
#include <cstdint>

namespace {

float Lattice(int x, int y, unsigned seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return ((h ^ (h >> 16)) & 0xffff) / 65535.0f;
}

float Smooth(float t) { return t * t * (3 - 2 * t); }

}  // namespace

float ValueNoise(float x, float y, unsigned seed) {
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    const float fx = Smooth(x - ix), fy = Smooth(y - iy);
    const float top = Lattice(ix, iy, seed) + (Lattice(ix + 1, iy, seed) - Lattice(ix, iy, seed)) * fx;
    const float bottom = Lattice(ix, iy + 1, seed) + (Lattice(ix + 1, iy + 1, seed) - Lattice(ix, iy + 1, seed)) * fx;
    return top + (bottom - top) * fy;
}

float FractalNoise(float x, float y, int octaves, unsigned seed) {
    float sum = 0, weight = 1, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += ValueNoise(x, y, seed + i) * weight;
        total += weight;
        x *= 2, y *= 2, weight /= 2;
    }
    return sum / total;
}
