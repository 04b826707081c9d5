// The reference texts of the eight trigrams: per trigram a fixed list of
// lines 「key」：text saying what it stands for in each field of life.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

struct TrigramText {
    int trigram;        // 1..8 as the casting engine numbers them (乾 兑 离 震 巽 坎 艮 坤)
    QString name;       // 乾, 坎, …
    QStringList lines;  // 「key」：text
};

// The eight texts in the order of the reference panel's tabs:
// 乾 坎 艮 震 巽 离 坤 兑. A missing resource gives an empty line list.
QList<TrigramText> TrigramTexts();
// The same without their lines, which are not read: for the tabs' captions.
QList<TrigramText> TrigramHeads();

// Under English the trigram by its character, pinyin and English name
// ("乾 qián (Heaven)"); empty in the other languages, whose readers know it
// by its character.
QString TrigramNaming(const TrigramText& text);

// `text` as the window's language shows it: in traditional characters
// under Traditional Chinese; under English the Chinese lines stay, headed by
// the trigram's naming.
TrigramText ShownTrigramText(const TrigramText& text);
