// Paints the program's pictures: the later-heaven eight-trigram chart of
// the reference panel and the program icon, which is a small copy of it.
#pragma once

#include <QImage>

// 445 × 690, greyscale: title, motto, octagonal chart, the sequence verse.
QImage PaintChart();

// size × size, colour with a transparent background.
QImage PaintIcon(int size);
