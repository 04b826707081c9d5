// The foreground images that colour a text pixel by pixel: a gradient, the
// font colour with noise, or a texture picture over the font colour. All are
// 24-bit blue-green-red images (QImage::Format_BGR888) of the mask's size.
#pragma once

#include <QColor>
#include <QImage>

#include "smooth_text/smooth_settings.h"

// A two-colour ramp along the width or the height. The ramp starts exactly
// at its first colour and stops one step short of the second; the centre
// styles mirror a half-length ramp so both ends hold the end colour and the
// middle approaches the start colour.
QImage GradientForeBmp(int width, int height, TGradualStyle style, QColor startColor, QColor endColor);

// The font colour with each channel of each pixel moved at random by up to
// about `noise` / 2 either way, clamped to 0..255.
QImage NoisyColorForeBmp(int width, int height, QColor fontColor, int noise);

// Moves every colour byte of `image` at random the same way.
void AddNoise(QImage& image, int amount);

// The font colour with the picture drawn over it (its transparency kept),
// tiled, stretched, centred or once at the top-left corner. An icon is
// stretched from a copy drawn on `iconBackground`.
QImage TextureForeBmp(int width, int height, QColor fontColor, const TSmoothPicture& picture, TTextureMode mode,
                      QColor iconBackground);
