#include "bagua_painter.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <array>

namespace {

const QString kSerif = QStringLiteral("Noto Serif CJK SC");

// The later-heaven arrangement with south at the top, clockwise from the
// top. Lines are bottom first; '1' is a solid (yang) line.
struct Trigram {
    const char* name;
    const char* lines;
};
constexpr std::array<Trigram, 8> kLaterHeaven = {{
    {"离", "101"}, {"坤", "000"}, {"兑", "110"}, {"乾", "111"},
    {"坎", "010"}, {"艮", "001"}, {"震", "100"}, {"巽", "011"},
}};

// The twenty-four directions clockwise from the top, three to a side; the
// middle one of each side is the side's own direction.
constexpr std::array<const char*, 24> kDirections = {
    "丙", "午", "丁", "未", "坤", "申", "庚", "酉", "辛", "戌", "乾", "亥",
    "壬", "子", "癸", "丑", "艮", "寅", "甲", "卯", "乙", "辰", "巽", "巳",
};

const QColor kInk(0x1c, 0x1a, 0x18);
const QColor kPaper(0xf3, 0xef, 0xe6);

// An octagon with a flat side at the top, given by its apothem.
QPolygonF Octagon(QPointF centre, qreal apothem) {
    const qreal radius = apothem / qCos(qDegreesToRadians(22.5));
    QPolygonF polygon;
    for (int k = 0; k < 8; ++k) {
        const qreal angle = qDegreesToRadians(-90.0 - 22.5 + 45.0 * k);
        polygon << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    return polygon;
}

// Runs `paint` in a frame turned so that side `side` (0 = top, clockwise)
// lies at the top, with the centre at the origin.
template <typename Paint>
void OnSide(QPainter& p, QPointF centre, int side, Paint paint) {
    p.save();
    p.translate(centre);
    p.rotate(45.0 * side);
    paint();
    p.restore();
}

// Draws one trigram, bottom line nearest the centre, in a frame where the
// outside is up; `innerY` is the y of the bottom line (negative = upward).
void DrawTrigram(QPainter& p, const char* lines, qreal innerY, qreal length, qreal thickness, qreal gap) {
    const qreal gapInLine = length * 0.16;
    for (int i = 0; i < 3; ++i) {
        const qreal y = innerY - i * (thickness + gap) - thickness;
        if (lines[i] == '1') {
            p.drawRect(QRectF(-length / 2, y, length, thickness));
        } else {
            const qreal half = (length - gapInLine) / 2;
            p.drawRect(QRectF(-length / 2, y, half, thickness));
            p.drawRect(QRectF(gapInLine / 2, y, half, thickness));
        }
    }
}

QFont Serif(int pixelSize, QFont::Weight weight = QFont::Normal) {
    QFont font(kSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void DrawCentred(QPainter& p, QPointF at, const QString& text) {
    const QRectF box(at.x() - 200, at.y() - 200, 400, 400);
    p.drawText(box, Qt::AlignCenter, text);
}

// Ring radii (apothems) of the chart, outermost first.
struct Rings {
    qreal outer, directionsOuter, directionsInner, trigramsInner, hub;
    bool withDirections, withNames;
};

Rings ChartRings(qreal outer) {
    const qreal s = outer / 205.0;
    return {outer, outer - 6 * s, outer - 40 * s, outer - 118 * s, outer - 137 * s, true, true};
}

// The icon keeps only the frame, the trigrams and 悟, each drawn larger.
Rings IconRings(qreal outer) {
    const qreal s = outer / 205.0;
    return {outer, outer - 8 * s, outer - 8 * s, outer - 92 * s, outer - 100 * s, false, false};
}

// The chart proper: frame, twenty-four directions, trigrams, 悟.
void PaintBagua(QPainter& p, QPointF c, const Rings& r) {
    const qreal scale = r.outer / 205.0;

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 3.2 * scale));
    p.drawPolygon(Octagon(c, r.outer));
    p.setPen(QPen(kInk, 1.1 * scale));
    p.drawPolygon(Octagon(c, r.directionsOuter));
    if (r.withDirections) p.drawPolygon(Octagon(c, r.directionsInner));
    p.drawPolygon(Octagon(c, r.trigramsInner));

    // Spokes from the corners separate the sides; short ticks split each
    // side of the direction ring into its three directions.
    const QPolygonF in = Octagon(c, r.trigramsInner), out = Octagon(c, r.directionsOuter);
    for (int k = 0; k < 8; ++k) p.drawLine(in[k], out[k]);
    if (r.withDirections) {
        const qreal mid = (r.directionsInner + r.directionsOuter) / 2;
        const QFont regular = Serif(qRound(19 * scale)), bold = Serif(qRound(21 * scale), QFont::Black);
        for (int side = 0; side < 8; ++side) {
            OnSide(p, c, side, [&] {
                for (qreal sign : {-1.0, 1.0}) {
                    const qreal slope = sign * qTan(qDegreesToRadians(7.5));
                    p.drawLine(QPointF(slope * r.directionsInner, -r.directionsInner),
                               QPointF(slope * r.directionsOuter, -r.directionsOuter));
                }
                for (int i = 0; i < 3; ++i) {
                    p.setFont(i == 1 ? bold : regular);
                    const qreal x = (i - 1) * mid * qTan(qDegreesToRadians(15.0));
                    DrawCentred(p, QPointF(x, -mid), QString::fromUtf8(kDirections[side * 3 + i]));
                }
            });
        }
    }

    // Trigram symbols along the ring, names upright just inside them.
    const qreal band = r.directionsInner - r.trigramsInner;
    const qreal symbolInner = r.withNames ? r.trigramsInner + 36 * scale : r.trigramsInner + band * 0.2;
    const qreal thickness = r.withNames ? 6.5 * scale : 11 * scale, gap = r.withNames ? 5 * scale : 9 * scale;
    const qreal length = r.withNames ? 58 * scale : 70 * scale;
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int side = 0; side < 8; ++side) {
        OnSide(p, c, side, [&] {
            DrawTrigram(p, kLaterHeaven[side].lines, -symbolInner, length, thickness, gap);
        });
    }
    if (r.withNames) {
        p.setPen(kInk);
        p.setFont(Serif(qRound(22 * scale), QFont::Bold));
        for (int side = 0; side < 8; ++side) {
            const qreal angle = qDegreesToRadians(-90.0 + 45.0 * side);
            const qreal at = r.trigramsInner + 18 * scale;
            DrawCentred(p, c + QPointF(at * qCos(angle), at * qSin(angle)),
                        QString::fromUtf8(kLaterHeaven[side].name));
        }
    }

    // The hub: a double circle round a large 悟.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 2.4 * scale));
    p.drawEllipse(c, r.hub, r.hub);
    p.setPen(QPen(kInk, 0.9 * scale));
    p.drawEllipse(c, r.hub - 5 * scale, r.hub - 5 * scale);
    p.setFont(Serif(qRound(r.hub * 1.35), QFont::Black));
    p.setPen(kInk);
    DrawCentred(p, c + QPointF(0, -0.03 * r.hub), QStringLiteral("悟"));
}

}  // namespace

QImage PaintChart() {
    QImage image(445, 690, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // A thin double border round the sheet.
    p.setPen(QPen(kInk, 2.5));
    p.drawRect(QRectF(8, 8, 429, 674));
    p.setPen(QPen(kInk, 0.8));
    p.drawRect(QRectF(14, 14, 417, 662));

    p.setPen(kInk);
    p.setFont(Serif(38, QFont::Black));
    p.drawText(QRectF(0, 28, 445, 56), Qt::AlignCenter, QStringLiteral("八卦干支开悟图"));
    p.setFont(Serif(17));
    p.drawText(QRectF(0, 86, 445, 28), Qt::AlignCenter, QStringLiteral("仰观天文　俯察地理　中通人事"));
    p.setPen(QPen(kInk, 0.8));
    p.drawLine(QPointF(70, 122), QPointF(375, 122));

    PaintBagua(p, QPointF(222.5, 343), ChartRings(196));

    // The later-heaven sequence in the words of the Shuogua.
    p.setPen(QPen(kInk, 0.8));
    p.drawLine(QPointF(70, 570), QPointF(375, 570));
    p.setPen(kInk);
    p.setFont(Serif(16));
    p.drawText(QRectF(0, 582, 445, 26), Qt::AlignCenter, QStringLiteral("帝出乎震　齐乎巽　相见乎离　致役乎坤"));
    p.drawText(QRectF(0, 610, 445, 26), Qt::AlignCenter, QStringLiteral("说言乎兑　战乎乾　劳乎坎　成言乎艮"));
    p.setFont(Serif(13));
    p.drawText(QRectF(0, 644, 445, 22), Qt::AlignCenter, QStringLiteral("后天八卦 · 二十四山 · 离南坎北 震东兑西"));
    p.end();
    return image.convertToFormat(QImage::Format_Grayscale8);
}

QImage PaintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size / 2.0, size / 2.0);
    const qreal outer = size * 0.47;
    p.setPen(Qt::NoPen);
    p.setBrush(kPaper);
    p.drawPolygon(Octagon(c, outer));
    PaintBagua(p, c, IconRings(outer));
    p.end();
    return image;
}
