// The reference texts of the eight trigrams: per trigram a fixed list of
// lines 「key」：text saying what it stands for in each field of life.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct TrigramText {
    QString name;       // 乾, 坎, …
    QStringList lines;  // 「key」：text
};

// The eight texts in the order of the reference panel's tabs:
// 乾 坎 艮 震 巽 离 坤 兑. A missing resource gives an empty line list.
QList<TrigramText> TrigramTexts();
