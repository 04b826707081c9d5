#include "smooth_effects.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "smooth_text/smooth_blend.h"
#include "smooth_text/smooth_mask.h"
#include "smooth_text/smooth_random.h"

void OutlineMask(TSmoothMask& mask) {
    const int w = mask.Width(), h = mask.Height();
    if (w < 3 || h < 3) return;
    TSmoothMask copy;
    copy.Assign(mask);
    for (int y = 1; y <= h - 2; ++y) {
        const std::uint8_t* a = copy.ScanLine(y - 1);
        const std::uint8_t* m = copy.ScanLine(y);
        const std::uint8_t* b = copy.ScanLine(y + 1);
        std::uint8_t* out = mask.ScanLine(y);
        for (int x = 1; x <= w - 2; ++x) {
            const int v = (std::abs(b[x] - a[x]) + std::abs(m[x + 1] - m[x - 1]) + std::abs(b[x - 1] - a[x + 1]) +
                           std::abs(b[x + 1] - a[x - 1])) >>
                          2;
            out[x] = static_cast<std::uint8_t>(std::min(v, 255));
        }
    }
}

void BlurMask(TSmoothMask& mask, int strength) {
    const int w = mask.Width(), h = mask.Height();
    strength = std::clamp(strength, 0, 100);
    if (strength == 0 || w == 0 || h == 0) return;
    // k = strength × 255 / 100 rounded half to even, in integers.
    int k = strength * 255 / 100;
    const int rest = strength * 255 % 100;
    if (rest > 50 || (rest == 50 && k % 2 == 1)) ++k;

    TSmoothMask copy;
    copy.Assign(mask);
    // Window indices clamped to the mask, so edge values count repeatedly.
    std::vector<int> cols(static_cast<std::size_t>(w) + 4);
    for (int i = 0; i < w + 4; ++i) cols[i] = std::clamp(i - 2, 0, w - 1);
    std::vector<const std::uint8_t*> rows(static_cast<std::size_t>(h) + 4);
    for (int i = 0; i < h + 4; ++i) rows[i] = copy.ScanLine(std::clamp(i - 2, 0, h - 1));
    std::vector<int> columnSums(static_cast<std::size_t>(w));

    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            columnSums[x] = rows[y][x] + rows[y + 1][x] + rows[y + 2][x] + rows[y + 3][x] + rows[y + 4][x];
        std::uint8_t* out = mask.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            const int sum = columnSums[cols[x]] + columnSums[cols[x + 1]] + columnSums[cols[x + 2]] +
                            columnSums[cols[x + 3]] + columnSums[cols[x + 4]];
            // 25 is odd, so a quotient never ends in exactly one half.
            const int b = (sum + 12) / 25;
            out[x] = static_cast<std::uint8_t>(k == 255 ? b : MixChannel(out[x], b, k));
        }
    }
}

void SprayMask(TSmoothMask& mask, int amount) {
    const int w = mask.Width(), h = mask.Height();
    for (int y = 0; y < h; ++y) {
        std::uint8_t* out = mask.ScanLine(y);
        for (int x = 0; x < w; ++x) {
            const int r = Random(amount + 1);
            const int sx = std::clamp(x + r - Random(2 * r), 0, w - 1);
            const int sy = std::clamp(y + r - Random(2 * r), 0, h - 1);
            out[x] = mask.ScanLine(sy)[sx];
        }
    }
}

void MirrorMaskHorizontally(TSmoothMask& mask) {
    for (int y = 0; y < mask.Height(); ++y) {
        std::uint8_t* row = mask.ScanLine(y);
        std::reverse(row, row + mask.Width());
    }
}

void MirrorMaskVertically(TSmoothMask& mask) {
    for (int top = 0, bottom = mask.Height() - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(mask.ScanLine(top), mask.ScanLine(top) + mask.Width(), mask.ScanLine(bottom));
}
