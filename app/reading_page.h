// The reference panel's reading page: the reading of the last casting, laid
// out as text a reader can select and copy; before any casting it says so.
// The text is built only when the page is on screen, so casting never waits
// for it.
#pragma once

#include <QPlainTextEdit>
#include <optional>
#include <string>
#include <vector>

#include "journal/journal_entry.h"
#include "liuyao/chart.h"
#include "reading/reading.h"

class ReadingPage : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ReadingPage(QWidget* parent = nullptr);

    // The reading and the six-line chart to show from now on, none for a
    // casting that has none, after the sections that open the page (GBK
    // lines, pipeline/reading_text.h). Laid out after the current event (the
    // report's painting) when the page is on screen, else when it is next
    // shown. In traditional characters under Traditional Chinese, but for
    // `kept` (GBK), the opening's characters the person typed and the ones
    // counted for them.
    void SetReading(const std::optional<reading::Reading>& reading, const std::optional<liuyao::Chart>& chart,
                    const std::vector<std::string>& opening = {}, const std::vector<std::string>& kept = {});

    // No casting to read, as before the first: the report it read was
    // emptied.
    void Clear();

    // The reading the journal kept for `casting`, if it kept one, until the
    // next SetReading: as kept under Simplified Chinese, its headings in the
    // window's language, in traditional characters under Traditional
    // Chinese with the classic texts of the traditional data.
    void ShowStored(const journal::JournalEntry& casting);

    // The reading the page shows, built now if it is not yet; empty when
    // there is none (before any casting, or none was kept).
    QString Reading();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowReading();
    // The casting's reading in the characters of the program's language,
    // again, as it is next shown.
    void ShowDataTexts();
    QStringList ReadingLines() const;
    QStringList StoredLines() const;

    std::optional<reading::Reading> shown_;
    std::optional<liuyao::Chart> chart_;
    std::vector<std::string> opening_;
    std::vector<std::string> kept_;
    // The casting opened from the journal whose kept reading is shown.
    std::optional<journal::JournalEntry> stored_;
    QString reading_;
    bool stale_ = true;
};
