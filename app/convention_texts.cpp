#include "convention_texts.h"

#include <QCoreApplication>
#include <QStringList>

#include "pipeline/convention_names.h"

namespace {

// Every name pipeline/convention_names gives, written out where lupdate
// finds them: it reads only the window's sources. Nothing reads the list;
// ConventionText looks the pipeline's own strings up by these texts.
[[maybe_unused]] constexpr const char* kNames[] = {
    QT_TRANSLATE_NOOP("ConventionName", "子时"),
    QT_TRANSLATE_NOOP("ConventionName", "子初换日"),
    QT_TRANSLATE_NOOP("ConventionName", "早晚子"),
    QT_TRANSLATE_NOOP("ConventionName", "子正换日"),
    QT_TRANSLATE_NOOP("ConventionName", "年月柱"),
    QT_TRANSLATE_NOOP("ConventionName", "年按立春时刻、月按交节日"),
    QT_TRANSLATE_NOOP("ConventionName", "按交节日"),
    QT_TRANSLATE_NOOP("ConventionName", "按交节时刻"),
    QT_TRANSLATE_NOOP("ConventionName", "年数"),
    QT_TRANSLATE_NOOP("ConventionName", "年柱地支"),
    QT_TRANSLATE_NOOP("ConventionName", "农历年地支"),
    QT_TRANSLATE_NOOP("ConventionName", "旺衰"),
    QT_TRANSLATE_NOOP("ConventionName", "按月令"),
    QT_TRANSLATE_NOOP("ConventionName", "按四时"),
};

}  // namespace

QString ConventionText(const char* name) { return QCoreApplication::translate("ConventionName", name); }

QString ConventionsText(const casting::Conventions& conventions) {
    QStringList choices;
    casting::VisitChoices(conventions, [&choices](auto choice) {
        //: A choice's name and its value, as in 子时早晚子.
        choices.append(QCoreApplication::translate("ConventionName", "%1%2")
                           .arg(ConventionText(pipeline::NamesOf<decltype(choice)>().name),
                                ConventionText(pipeline::ValueName(choice))));
    });
    return QCoreApplication::translate("ConventionName", "口径：%1")
        .arg(choices.join(QCoreApplication::translate("ConventionName", "，")));
}
