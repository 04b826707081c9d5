#include "report_file.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "save_file.h"

namespace {

// The formats offered, in this order; their filters in the program's language.
std::vector<SaveFormat> Formats() {
    return {{QCoreApplication::translate("ReportFile", "文本 (*.txt)"), QStringLiteral("txt")},
            {QCoreApplication::translate("ReportFile", "PNG 图片 (*.png)"), QStringLiteral("png")}};
}
constexpr int kPictureFormat = 1;

// Large enough to read on paper, close to the report's size on screen.
constexpr qreal kPointSize = 11;
// A picture has no page margin around it.
constexpr qreal kPictureMargin = 12;

// The report's last eight lines are the table of the five hexagrams: the
// headings, the names and the six figure rows, laid out in columns of 12
// GBK bytes. Between two columns lie two bytes of space, as wide as the gap
// in a yin figure, so on paper the columns would run together: the second
// of those bytes, a single space in every row of the table, is drawn three
// times as wide.
constexpr int kTableFirstLine = 5;
constexpr int kColumnBytes = 12;
constexpr int kColumns = 5;

// The positions in `line` of the spaces to widen.
QList<qsizetype> ColumnGaps(const QString& line) {
    QList<qsizetype> gaps;
    int byte = 0;  // where the character starts in the GBK line
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (byte % kColumnBytes == 1 && byte / kColumnBytes >= 1 && byte / kColumnBytes < kColumns &&
            line[i] == QLatin1Char(' ')) {
            gaps.append(i);
        }
        byte += line[i].unicode() < 0x80 ? 1 : 2;
    }
    return gaps;
}

// The person and the date, in characters any file system takes.
QString SuggestedName(const ShownReport& shown) {
    const QString untitled = QCoreApplication::translate("ReportFile", "起卦报告");
    if (!shown.heading) return untitled;
    const ReportHeading& heading = *shown.heading;
    QString who = heading.name.trimmed();
    who.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    if (who.isEmpty()) who = untitled;
    return who + QString::asprintf("-%04d-%02d-%02d", heading.year, heading.month, heading.day);
}

// The composition's parts in order, each a list of lines: the heading (its
// first line the title), the report, the reading; an absent part is left out.
struct Part {
    QStringList lines;
    enum Kind { Heading, Report, Reading } kind;
};

std::vector<Part> Parts(const ShownReport& shown) {
    std::vector<Part> parts;
    if (shown.heading) parts.push_back({HeadingLines(*shown.heading), Part::Heading});
    parts.push_back({shown.report.split(QLatin1Char('\n')), Part::Report});
    if (!shown.reading.isEmpty()) parts.push_back({shown.reading.split(QLatin1Char('\n')), Part::Reading});
    return parts;
}

}  // namespace

QString ReportText(const ShownReport& shown) {
    QStringList parts;
    for (const Part& part : Parts(shown)) parts.append(part.lines.join(QLatin1Char('\n')));
    return parts.join(QStringLiteral("\n\n")) + QLatin1Char('\n');
}

std::unique_ptr<QTextDocument> ReportDocument(const ShownReport& shown) {
    auto document = std::make_unique<QTextDocument>();
    QFont face = shown.face;
    face.setPointSizeF(kPointSize);
    document->setDefaultFont(face);
    QTextBlockFormat wrapped, unbroken;
    unbroken.setNonBreakableLines(true);
    QTextCharFormat plain, bold;
    bold.setFontWeight(QFont::Bold);
    QTextCursor cursor(document.get());
    bool first = true;
    const auto add = [&](const QString& line, const QTextBlockFormat& block, const QTextCharFormat& chars) {
        if (first) {
            cursor.setBlockFormat(block);
        } else {
            cursor.insertBlock(block);
        }
        first = false;
        cursor.insertText(line, chars);
    };
    QTextCharFormat wide;
    wide.setFontLetterSpacingType(QFont::PercentageSpacing);
    wide.setFontLetterSpacing(300);
    for (const Part& part : Parts(shown)) {
        if (!first) add(QString(), wrapped, plain);  // a blank line between the parts
        for (qsizetype i = 0; i < part.lines.size(); ++i) {
            const QString& line = part.lines[i];
            const bool title = (part.kind == Part::Heading && i == 0) ||
                               (part.kind == Part::Reading && line.startsWith(QStringLiteral("【")));
            add(line, part.kind == Part::Report ? unbroken : wrapped, title ? bold : plain);
            if (part.kind != Part::Report || i < kTableFirstLine) continue;
            for (const qsizetype gap : ColumnGaps(line)) {
                QTextCursor space(document.get());
                space.setPosition(cursor.block().position() + static_cast<int>(gap));
                space.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
                space.mergeCharFormat(wide);
            }
        }
    }
    return document;
}

QImage ReportPicture(const ShownReport& shown, qreal ratio) {
    const std::unique_ptr<QTextDocument> document = ReportDocument(shown);
    document->setDocumentMargin(kPictureMargin);
    // The reading wraps at the report's width rather than stretching the
    // picture to its longest sentence: laid out as narrow as can be, the
    // document is as wide as the report's unbroken lines.
    document->setTextWidth(0);
    document->setTextWidth(std::ceil(document->size().width()));
    const QSize size(static_cast<int>(std::ceil(document->size().width())),
                     static_cast<int>(std::ceil(document->size().height())));
    QImage picture(size * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    document->drawContents(&painter);
    return picture;
}

void ExportReport(const ShownReport& shown, const ShellServices& services, QWidget* owner) {
    const std::optional<ChosenFile> chosen =
        ChooseFileToSave(services, owner, QCoreApplication::translate("ReportFile", "导出报告"), Formats(),
                         SuggestedName(shown));
    if (!chosen) return;
    QByteArray bytes;
    if (chosen->format == kPictureFormat) {
        QBuffer buffer(&bytes);
        ReportPicture(shown, owner->devicePixelRatioF()).save(&buffer, "PNG");
    } else {
        bytes = ReportText(shown).toUtf8();
    }
    if (bytes.isEmpty() || !SaveBytes(chosen->file, bytes)) {
        services.showMessage(owner, MessageBox::Error,
                             QCoreApplication::translate("ReportFile", "报告无法写入“%1”。").arg(chosen->file));
    }
}

qreal FitToPage(QTextDocument& document, const QSizeF& page) {
    document.setTextWidth(page.width());
    const auto fit = [&] {
        return std::min({1.0, page.width() / document.size().width(), page.height() / document.size().height()});
    };
    const qreal scale = fit();
    if (scale == 1) return scale;
    // Laid out wider and drawn smaller: fewer wrapped lines, so it is no
    // taller than before and fits at this scale or a larger one.
    document.setTextWidth(page.width() / scale);
    return fit();
}

void PrintReportOn(QPrinter& printer, const ShownReport& shown) {
    const std::unique_ptr<QTextDocument> document = ReportDocument(shown);
    // Measured at the printer's resolution.
    document->documentLayout()->setPaintDevice(&printer);
    const qreal scale = FitToPage(*document, printer.pageLayout().paintRectPixels(printer.resolution()).size());
    QPainter painter(&printer);
    painter.scale(scale, scale);
    document->drawContents(&painter);
}

void PrintReport(const ShownReport& shown, QWidget* owner) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() == QDialog::Accepted) PrintReportOn(printer, shown);
}
