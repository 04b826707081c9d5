#include "trigram_texts.h"

#include "resource_text.h"

QList<TrigramText> TrigramTexts() {
    struct Source {
        const char* name;
        const char* resource;
    };
    static constexpr Source kTabOrder[] = {
        {"乾", ":/trigram_texts/qian.txt"}, {"坎", ":/trigram_texts/kan.txt"},
        {"艮", ":/trigram_texts/gen.txt"},  {"震", ":/trigram_texts/zhen.txt"},
        {"巽", ":/trigram_texts/xun.txt"},  {"离", ":/trigram_texts/li.txt"},
        {"坤", ":/trigram_texts/kun.txt"},  {"兑", ":/trigram_texts/dui.txt"},
    };
    QList<TrigramText> texts;
    for (const Source& source : kTabOrder) {
        texts.append({QString::fromUtf8(source.name),
                      ResourceText(QString::fromLatin1(source.resource)).split(QLatin1Char('\n'), Qt::SkipEmptyParts)});
    }
    return texts;
}
