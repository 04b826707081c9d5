#include "report_file.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "save_file.h"

namespace {

const SaveFormat kText{QStringLiteral("文本 (*.txt)"), QStringLiteral("txt")};
const SaveFormat kPicture{QStringLiteral("PNG 图片 (*.png)"), QStringLiteral("png")};

// Large enough to read on paper, close to the report's size on screen.
constexpr qreal kPointSize = 11;

// The person and the date, in characters any file system takes.
QString SuggestedName(const ShownReport& shown) {
    if (!shown.heading) return QStringLiteral("起卦报告");
    const ReportHeading& heading = *shown.heading;
    QString who = heading.name.trimmed();
    who.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")), QStringLiteral("_"));
    if (who.isEmpty()) who = QStringLiteral("起卦报告");
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
    for (const Part& part : Parts(shown)) {
        if (!first) add(QString(), wrapped, plain);  // a blank line between the parts
        for (qsizetype i = 0; i < part.lines.size(); ++i) {
            const QString& line = part.lines[i];
            const bool title = (part.kind == Part::Heading && i == 0) ||
                               (part.kind == Part::Reading && line.startsWith(QStringLiteral("【")));
            add(line, part.kind == Part::Report ? unbroken : wrapped, title ? bold : plain);
        }
    }
    return document;
}

QImage ReportPicture(const ShownReport& shown, qreal ratio) {
    const std::unique_ptr<QTextDocument> document = ReportDocument(shown);
    // The reading wraps at the report's width rather than stretching the
    // picture to its longest sentence.
    const QFontMetricsF metrics(document->defaultFont());
    qreal width = 0;
    for (const QString& line : shown.report.split(QLatin1Char('\n'))) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    document->setTextWidth(std::ceil(width + 2 * document->documentMargin()));
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
        ChooseFileToSave(services, owner, QStringLiteral("导出报告"), {kText, kPicture}, SuggestedName(shown));
    if (!chosen) return;
    QByteArray bytes;
    if (chosen->format == 1) {
        QBuffer buffer(&bytes);
        ReportPicture(shown, owner->devicePixelRatioF()).save(&buffer, "PNG");
    } else {
        bytes = ReportText(shown).toUtf8();
    }
    if (bytes.isEmpty() || !SaveBytes(chosen->file, bytes)) {
        services.showMessage(owner, MessageBox::Error, QStringLiteral("报告无法写入“%1”。").arg(chosen->file));
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
