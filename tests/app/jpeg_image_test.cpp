// The JPEG decoder on the shipped pictures, on pictures of known content
// in both colour models, and on damaged data, which must give a null image.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

#include "jpeg_image.h"

namespace {

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Encoded by Qt's own writer, so the decoder is checked against a second
// implementation.
QByteArray Encode(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

TEST(JpegImage, ShippedPictures) {
    struct Case {
        const char* path;
        QSize size;
        QImage::Format format;
    };
    for (const Case& c : {Case{":/pictures/chart.jpg", {445, 690}, QImage::Format_Grayscale8},
                          Case{":/pictures/latest_work.jpg", {1366, 738}, QImage::Format_RGB888}}) {
        SCOPED_TRACE(c.path);
        const QImage image = LoadJpeg(QString::fromLatin1(c.path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), c.size);
        EXPECT_EQ(image.format(), c.format);
    }
    // The chart's paper is light and its frame line dark.
    const QImage chart = LoadJpeg(QStringLiteral(":/pictures/chart.jpg"));
    EXPECT_GT(qGray(chart.pixel(3, 3)), 200);
    EXPECT_LT(qGray(chart.pixel(8, 345)), 100);
}

// Odd widths give rows that are not a multiple of four bytes, where a
// stride mistake would shear the picture.
TEST(JpegImage, DecodesKnownContentInBothColourModels) {
    for (const QSize size : {QSize(64, 32), QSize(37, 23), QSize(1, 1)}) {
        SCOPED_TRACE(size.width());
        QImage colour(size, QImage::Format_RGB888);
        colour.fill(QColor(200, 30, 40));
        for (int y = size.height() / 2; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) colour.setPixelColor(x, y, QColor(20, 60, 220));
        const QImage decoded = DecodeJpeg(Encode(colour));
        ASSERT_EQ(decoded.format(), QImage::Format_RGB888);
        ASSERT_EQ(decoded.size(), size);
        for (const QPoint at : {QPoint(0, 0), QPoint(size.width() - 1, size.height() - 1)}) {
            const QColor want = colour.pixelColor(at), got = decoded.pixelColor(at);
            EXPECT_NEAR(got.red(), want.red(), 24);
            EXPECT_NEAR(got.green(), want.green(), 24);
            EXPECT_NEAR(got.blue(), want.blue(), 24);
        }

        QImage grey(size, QImage::Format_Grayscale8);
        grey.fill(170);
        const QImage greyDecoded = DecodeJpeg(Encode(grey));
        ASSERT_EQ(greyDecoded.format(), QImage::Format_Grayscale8);
        EXPECT_NEAR(qGray(greyDecoded.pixel(size.width() - 1, size.height() - 1)), 170, 4);
    }
}

TEST(JpegImage, DamagedDataGivesNullImage) {
    const QByteArray chart = ReadResource(QStringLiteral(":/pictures/chart.jpg"));
    ASSERT_GT(chart.size(), 1000);
    QByteArray flipped = chart;
    for (qsizetype i = flipped.size() / 3; i < flipped.size() / 3 + 64; ++i) flipped[i] = char(0xFF);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"not a JPEG", QByteArray("GIF89a plainly not a JPEG file")},
        {"header only", chart.left(200)},
        {"cut in the middle", chart.left(chart.size() / 2)},
        {"last bytes missing", chart.left(chart.size() - 2)},
        {"markers inside the scan", flipped},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(DecodeJpeg(c.bytes).isNull()) << c.what;
    }
    EXPECT_TRUE(LoadJpeg(QStringLiteral(":/pictures/no-such-picture.jpg")).isNull());
}

}  // namespace
