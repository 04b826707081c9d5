#include "smooth_fill.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "smooth_text/smooth_random.h"

namespace {

using Bgr = std::array<int, 3>;

Bgr bgrOf(QColor color) { return {color.blue(), color.green(), color.red()}; }

QImage bgrImage(int width, int height) {
    return QImage(std::max(width, 0), std::max(height, 0), QImage::Format_BGR888);
}

}  // namespace

QImage GradientForeBmp(int width, int height, TGradualStyle style, QColor startColor, QColor endColor) {
    QImage image = bgrImage(width, height);
    if (image.isNull()) return image;
    const bool horizontal = style == gsLeftToRight || style == gsRightToLeft || style == gsCenterToLR;
    const bool centred = style == gsCenterToLR || style == gsCenterToTB;
    const bool forward = style == gsLeftToRight || style == gsTopToBottom;
    const int length = horizontal ? image.width() : image.height();
    const int steps = centred ? (length + 1) / 2 : length;
    const Bgr c1 = bgrOf(forward ? startColor : endColor);
    const Bgr c2 = bgrOf(forward ? endColor : startColor);

    std::vector<Bgr> ramp(static_cast<std::size_t>(length));
    for (int i = 0; i < steps; ++i)
        for (int ch = 0; ch < 3; ++ch) ramp[i][ch] = c1[ch] + (c2[ch] - c1[ch]) * i / steps;
    if (centred)
        for (int j = 0; j < steps; ++j) ramp[length - 1 - j] = ramp[j];

    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* out = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, out += 3) {
            const Bgr& c = ramp[horizontal ? x : y];
            for (int ch = 0; ch < 3; ++ch) out[ch] = static_cast<std::uint8_t>(c[ch]);
        }
    }
    return image;
}

QImage NoisyColorForeBmp(int width, int height, QColor fontColor, int noise) {
    QImage image = bgrImage(width, height);
    const int half = noise / 2;
    // Drawn red, green, blue for each pixel; stored blue, green, red.
    const int rgb[3] = {fontColor.red(), fontColor.green(), fontColor.blue()};
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* out = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x, out += 3)
            for (int ch = 0; ch < 3; ++ch)
                out[2 - ch] = static_cast<std::uint8_t>(std::clamp(rgb[ch] + Random(noise) - half, 0, 255));
    }
    return image;
}

void AddNoise(QImage& image, int amount) {
    const int half = amount / 2;
    const int bytesPerRow = image.width() * image.depth() / 8;
    for (int y = 0; y < image.height(); ++y) {
        std::uint8_t* row = image.scanLine(y);
        for (int i = 0; i < bytesPerRow; ++i)
            row[i] = static_cast<std::uint8_t>(std::clamp(row[i] + Random(amount) - half, 0, 255));
    }
}

QImage TextureForeBmp(int width, int height, QColor fontColor, const TSmoothPicture& picture, TTextureMode mode,
                      QColor iconBackground) {
    QImage canvas(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    if (canvas.isNull()) return bgrImage(width, height);
    canvas.fill(fontColor);
    const QImage& graphic = picture.Graphic();
    const int w = canvas.width(), h = canvas.height();
    if (!graphic.isNull()) {
        QPainter painter(&canvas);
        const int pw = graphic.width(), ph = graphic.height();
        switch (mode) {
            case tmStretched:
                if (picture.IsIcon()) {
                    QImage icon(pw, ph, QImage::Format_RGB32);
                    icon.fill(iconBackground);
                    QPainter(&icon).drawImage(0, 0, graphic);
                    painter.drawImage(QRect(0, 0, w, h), icon);
                } else {
                    painter.drawImage(QRect(0, 0, w, h), graphic);
                }
                break;
            case tmCenter:
                painter.drawImage((w - pw) / 2, (h - ph) / 2, graphic);
                break;
            case tmNormal:
                painter.drawImage(0, 0, graphic);
                break;
            default:
                for (int i = 0; i <= h / ph; ++i)
                    for (int j = 0; j <= w / pw; ++j) painter.drawImage(j * pw, i * ph, graphic);
                break;
        }
    }
    return canvas.convertToFormat(QImage::Format_BGR888);
}
