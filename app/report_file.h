// The report leaving the window: saved as UTF-8 text or as a PNG picture,
// or printed. All three carry the same composition: a heading that says
// who asked, when, how and by which calendar, the thirteen lines as shown,
// and the reading, so that a page read later stands on its own.
#pragma once

#include <QFont>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <memory>
#include <optional>

#include "report_heading.h"
#include "shell_services.h"

class QPrinter;
class QTextDocument;
class QWidget;

// The report as the window shows it.
struct ShownReport {
    std::optional<ReportHeading> heading;  // none when no casting is shown
    QString report;                        // the lines as shown, joined by '\n'
    QString reading;                       // empty when there is none
    QFont face;                            // the report's monospace face
};

// Heading, report and reading as text, the report's lines unchanged.
QString ReportText(const ShownReport& shown);

// The same as a document in the report's face at a size read comfortably
// on paper; the report's lines never wrap, so its columns stay aligned.
std::unique_ptr<QTextDocument> ReportDocument(const ShownReport& shown);

// The document as a picture, as wide as the report, at `ratio` device
// pixels to a pixel.
QImage ReportPicture(const ShownReport& shown, qreal ratio);

// Asks where to save and, by the filter chosen, writes the text or the
// picture (at `owner`'s device pixel ratio) there. A file that cannot be
// written is told, and an earlier file of that name is left as it was.
void ExportReport(const ShownReport& shown, const ShellServices& services, QWidget* owner);

// Lays `document` out to the width of a page of `page` size and gives the
// scale that draws it whole on that page: 1 when it fits as it is.
qreal FitToPage(QTextDocument& document, const QSizeF& page);

// Prints the document on one page of `printer`, smaller when it would not
// fit.
void PrintReportOn(QPrinter& printer, const ShownReport& shown);

// Prints on a printer the user picks.
void PrintReport(const ShownReport& shown, QWidget* owner);
