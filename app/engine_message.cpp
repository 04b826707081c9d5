#include "engine_message.h"

#include <QCoreApplication>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

namespace {

// Every message the engines send up to the window, %1, %2 standing for
// the values they put in. A value that is itself one of these messages
// (the reason inside a journal's message) is translated too.
constexpr const char* kMessages[] = {
    // casting
    QT_TRANSLATE_NOOP("EngineMessage", "参数错误：请输入汉字！"),
    QT_TRANSLATE_NOOP("EngineMessage", "参数错误：请输入汉字姓名！"),
    QT_TRANSLATE_NOOP("EngineMessage", "参数错误：请检查是否输入完整！"),
    QT_TRANSLATE_NOOP("EngineMessage", "参数错误：时须在%1到%2之间！"),
    QT_TRANSLATE_NOOP("EngineMessage", "参数错误：日期须在%1年1月1日到%2年12月31日之间！"),
    QT_TRANSLATE_NOOP("EngineMessage", "参数错误：23时是次日的子时，次日已超出%1年1月1日到%2年12月31日的历法范围！"),
    QT_TRANSLATE_NOOP("EngineMessage",
                      "参数错误：1900年1月31日之前没有农历日期，传统起卦要用农历月日，请改用其他起卦方式！"),
    // pipeline
    QT_TRANSLATE_NOOP("EngineMessage", "参数错误：无法计算笔画的字：%1"),
    QT_TRANSLATE_NOOP("EngineMessage", "校正后的起卦时刻 %1 超出历法范围（1900-01-01 至 2100-12-31，23时算作次日）"),
    // moment
    QT_TRANSLATE_NOOP("EngineMessage", "真太阳时须有经度或地点"),
    QT_TRANSLATE_NOOP("EngineMessage", "经度须在-180到180之间"),
    QT_TRANSLATE_NOOP("EngineMessage", "不认识时区 %1"),
    QT_TRANSLATE_NOOP("EngineMessage", "时钟读数 %1 从未出现：%2 的钟表在此拨快，跳过了这段时间"),
    // journal
    QT_TRANSLATE_NOOP("EngineMessage",
                      "起卦记录%1的格式编号（%2）不是本程序认得的，可能由较新版本的程序写成；本程序只读取它，"
                      "不会改动它，新的起卦也不会记录。"),
    QT_TRANSLATE_NOOP("EngineMessage",
                      "起卦记录%1的格式编号（%2）不是本程序认得的；本程序只读取它，不会改动它，新的起卦也不会记录。"),
    QT_TRANSLATE_NOOP("EngineMessage", "起卦记录%1无法写入（%2），新的起卦不会记录；起卦照常进行。"),
    QT_TRANSLATE_NOOP("EngineMessage", "起卦记录%1无法写入（%2）；已存的记录完好无损。"),
    QT_TRANSLATE_NOOP("EngineMessage", "起卦记录%1无法读取（%2）。"),
    QT_TRANSLATE_NOOP("EngineMessage", "起卦记录%1无法读取，已改名为%2留存，并新建了一份记录。"),
    QT_TRANSLATE_NOOP("EngineMessage", "磁盘已满，起卦记录%1写不进去；已存的记录完好无损。"),
    QT_TRANSLATE_NOOP("EngineMessage", "起卦记录%1正被其他程序占用，这次没有写入，请稍后再试。"),
    QT_TRANSLATE_NOOP("EngineMessage", "这条起卦记录已不存在。"),
    QT_TRANSLATE_NOOP("EngineMessage", "只读"),
    QT_TRANSLATE_NOOP("EngineMessage", "未能打开"),
    QT_TRANSLATE_NOOP("EngineMessage", "它是符号链接，为免写到别处，不经由它读写"),
};

const QRegularExpression kPlaceholder(QStringLiteral("%(\\d)"));

// A message's source and the pattern that recognises it: its fixed parts
// as they are, each value any text.
struct Known {
    const char* source;
    QRegularExpression pattern;
};

const QList<Known>& KnownMessages() {
    static const QList<Known> known = [] {
        QList<Known> list;
        for (const char* source : kMessages) {
            const QString text = QString::fromUtf8(source);
            QString pattern;
            qsizetype from = 0;
            for (const auto& value : kPlaceholder.globalMatch(text)) {
                pattern += QRegularExpression::escape(text.mid(from, value.capturedStart() - from)) +
                           QStringLiteral("(.*?)");
                from = value.capturedEnd();
            }
            pattern += QRegularExpression::escape(text.mid(from));
            list.append({source, QRegularExpression(QRegularExpression::anchoredPattern(pattern))});
        }
        return list;
    }();
    return known;
}

QString Line(const QString& line) {
    for (const Known& known : KnownMessages()) {
        const QRegularExpressionMatch match = known.pattern.match(line);
        if (!match.hasMatch()) continue;
        // One pass over the translation: a value holding "%1" stays as it is.
        const QString translated = QCoreApplication::translate("EngineMessage", known.source);
        QString result;
        qsizetype from = 0;
        for (const auto& placeholder : kPlaceholder.globalMatch(translated)) {
            result += translated.mid(from, placeholder.capturedStart() - from);
            result += Line(match.captured(placeholder.captured(1).toInt()));
            from = placeholder.capturedEnd();
        }
        return result + translated.mid(from);
    }
    return line;
}

}  // namespace

QString EngineMessage(const QString& message) {
    QStringList lines = message.split(QLatin1Char('\n'));
    for (QString& line : lines) line = Line(line);
    return lines.join(QLatin1Char('\n'));
}
