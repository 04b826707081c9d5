// Writes pictures as baseline JPEG with libjpeg: Grayscale8 images as
// one-component files, everything else as RGB.
#pragma once

#include <QImage>
#include <QString>

bool WriteJpeg(const QImage& image, const QString& path, int quality);
