// JPEG pictures decoded with libjpeg directly, so a damaged file can only
// ever give an empty picture: every libjpeg error and every corrupt-data
// warning ends the decode and yields a null image.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Greyscale JPEGs become Format_Grayscale8, colour ones Format_RGB888.
// Anything else (CMYK, damaged or truncated data) gives a null image.
QImage DecodeJpeg(const QByteArray& bytes);

// Reads `path` (a file or a ":/" resource) and decodes it; a missing file
// gives a null image.
QImage LoadJpeg(const QString& path);
