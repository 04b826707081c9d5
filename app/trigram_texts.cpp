#include "trigram_texts.h"

#include "data_script.h"
#include "qt_text/gbk_qt.h"
#include "reading/hexagram_names.h"
#include "resource_text.h"

namespace {

struct Source {
    int trigram;
    const char* name;
    const char* resource;
};
constexpr Source kTabOrder[] = {
    {1, "乾", ":/trigram_texts/qian.txt"}, {6, "坎", ":/trigram_texts/kan.txt"},
    {7, "艮", ":/trigram_texts/gen.txt"},  {4, "震", ":/trigram_texts/zhen.txt"},
    {5, "巽", ":/trigram_texts/xun.txt"},  {3, "离", ":/trigram_texts/li.txt"},
    {8, "坤", ":/trigram_texts/kun.txt"},  {2, "兑", ":/trigram_texts/dui.txt"},
};

}  // namespace

QList<TrigramText> TrigramHeads() {
    QList<TrigramText> heads;
    for (const Source& source : kTabOrder) heads.append({source.trigram, QString::fromUtf8(source.name), {}});
    return heads;
}

QList<TrigramText> TrigramTexts() {
    QList<TrigramText> texts = TrigramHeads();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        texts[i].lines = ResourceText(QString::fromLatin1(kTabOrder[i].resource)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    return texts;
}

QString TrigramNaming(const TrigramText& text) {
    if (!EnglishShown()) return {};
    const reading::NameForms forms = reading::TrigramNameForms(text.trigram);
    return QStringLiteral("%1 %2 (%3)").arg(text.name, QStringFromGbk(forms.pinyin), QStringFromGbk(forms.english));
}

TrigramText ShownTrigramText(const TrigramText& text) {
    TrigramText shown{text.trigram, ShownDataText(text.name), {}};
    if (const QString naming = TrigramNaming(text); !naming.isEmpty()) shown.lines.append(naming);
    for (const QString& line : text.lines) shown.lines.append(ShownDataText(line));
    return shown;
}
