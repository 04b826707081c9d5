// The reference panel's reading page: the reading of the last casting, laid
// out as text a reader can select and copy; before any casting it says so.
// The text is built only when the page is on screen, so casting never waits
// for it.
#pragma once

#include <QPlainTextEdit>
#include <optional>
#include <string>
#include <vector>

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
    // shown.
    void SetReading(const std::optional<reading::Reading>& reading, const std::optional<liuyao::Chart>& chart,
                    const std::vector<std::string>& opening = {});

    // No casting to read, as before the first: the report it read was
    // emptied.
    void Clear();

    // A reading kept from an earlier casting, as text; empty when none was
    // kept. Replaces the reading until the next SetReading.
    void ShowStored(const QString& reading);

    // The reading the page shows, built now if it is not yet; empty when
    // there is none (before any casting, or none was kept).
    QString Reading();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowReading();

    std::optional<reading::Reading> shown_;
    std::optional<liuyao::Chart> chart_;
    std::vector<std::string> opening_;
    QString reading_;
    bool stale_ = true;
};
