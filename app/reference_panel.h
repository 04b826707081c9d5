// The contents of the reference panel: a notebook without tabs whose page 0
// is the eight-trigram chart, page 2 a tab per trigram with its reference
// text and page 3 the reading of the last casting. Page 1 stays empty.
#pragma once

class PictureView;
class ReadingPage;
class QStackedWidget;
class QTabWidget;
class QWidget;

struct ReferencePanel {
    static constexpr int kChartPage = 0;
    static constexpr int kTrigramsPage = 2;
    static constexpr int kReadingPage = 3;

    QStackedWidget* bsSkinNotebook2;
    PictureView* Image1;               // the chart
    QTabWidget* bsSkinPageControl1;    // tabs 乾 坎 艮 震 巽 离 坤 兑 down the left edge
    ReadingPage* readingPage;
};

// Fills `body` with the notebook, showing the chart, with 坎 as the
// selected trigram tab. The tabs get their texts (labels
// bsSkinTextLabel1…8) when the notebook first turns to them.
ReferencePanel BuildReferencePanel(QWidget* body);
// Gives the panel's fixed texts in the program's language.
void RetranslateReferencePanel(const ReferencePanel& panel);
