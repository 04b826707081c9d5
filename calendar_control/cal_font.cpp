#include "cal_font.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "qt_text/gbk_qt.h"

namespace {

// Qt refuses pixel sizes below 1; far above the largest fitted size (1000
// points) a font only costs memory.
constexpr int kMaxPixelHeight = 1 << 15;

// a × b / c rounded half away from zero, without overflow.
int mulDiv(int a, int b, int c) {
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = c / 2;
    const std::int64_t q = product >= 0 ? (product + half) / c : (product - half) / c;
    return static_cast<int>(std::clamp<std::int64_t>(q, INT32_MIN, INT32_MAX));
}

}  // namespace

int TCalFont::PixelHeight() const {
    return std::clamp(mulDiv(std::abs(std::max(size, -INT32_MAX)), kPixelsPerInch, 72), 1, kMaxPixelHeight);
}

void TCalFont::SetPixelHeight(int pixels) { size = mulDiv(pixels, 72, kPixelsPerInch); }

QFont ToQFont(const TCalFont& font) {
    QFont result(QStringFromGbk(font.name));
    result.setPixelSize(font.PixelHeight());
    result.setBold((font.style & fsBold) != 0);
    result.setItalic((font.style & fsItalic) != 0);
    result.setUnderline((font.style & fsUnderline) != 0);
    result.setStrikeOut((font.style & fsStrikeOut) != 0);
    return result;
}
