#include "reference_panel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

#include "data_script.h"
#include "fitted_text_label.h"
#include "jpeg_image.h"
#include "picture_view.h"
#include "reading_page.h"
#include "trigram_texts.h"

namespace {

constexpr int kFirstShownTab = 1;  // 坎

// Tabs down the left edge would turn their captions on their side; a
// one-character Chinese caption reads better upright.
class UprightTabCaptions : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_TabBarTabLabel) {
            if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) {
                drawItemText(painter, tab->rect, Qt::AlignCenter, tab->palette, tab->state & State_Enabled,
                             tab->text, QPalette::WindowText);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

QString LabelName(qsizetype tab) { return QStringLiteral("bsSkinTextLabel%1").arg(tab + 1); }

QString ShownLines(const TrigramText& text) { return ShownTrigramText(text).lines.join(QLatin1Char('\n')); }

// The texts never scroll: each takes the largest size up to 13 pixels at
// which it fits its tab.
QLabel* NewTextLabel(const TrigramText& text, qsizetype tab) {
    auto* label = new FittedTextLabel(ShownLines(text), 13, 9);
    label->setObjectName(LabelName(tab));
    label->setMargin(3);
    return label;
}

}  // namespace

ReferencePanel BuildReferencePanel(QWidget* body) {
    ReferencePanel panel;
    panel.bsSkinNotebook2 = new QStackedWidget(body);
    panel.bsSkinNotebook2->setObjectName(QStringLiteral("bsSkinNotebook2"));
    panel.bsSkinNotebook2->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel.bsSkinNotebook2);

    panel.Image1 = new PictureView(LoadJpeg(QStringLiteral(":/pictures/chart.jpg")), PictureView::Fit::Stretch);
    panel.Image1->setObjectName(QStringLiteral("Image1"));
    panel.bsSkinNotebook2->addWidget(panel.Image1);
    panel.bsSkinNotebook2->addWidget(new QWidget);

    panel.bsSkinPageControl1 = new QTabWidget;
    panel.bsSkinPageControl1->setObjectName(QStringLiteral("bsSkinPageControl1"));
    panel.bsSkinPageControl1->setTabPosition(QTabWidget::West);
    panel.bsSkinPageControl1->setUsesScrollButtons(false);
    auto* captions = new UprightTabCaptions;
    captions->setParent(panel.bsSkinPageControl1->tabBar());
    panel.bsSkinPageControl1->tabBar()->setStyle(captions);
    QList<QWidget*> sheets;
    for (const TrigramText& text : TrigramHeads()) {
        auto* sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("bsSkinTabSheet%1").arg(sheets.size() + 1));
        (new QVBoxLayout(sheet))->setContentsMargins(0, 0, 0, 0);
        sheets.append(sheet);
        panel.bsSkinPageControl1->addTab(sheet, text.name);
    }
    panel.bsSkinPageControl1->setCurrentIndex(kFirstShownTab);
    panel.bsSkinNotebook2->addWidget(panel.bsSkinPageControl1);
    panel.readingPage = new ReadingPage;
    panel.bsSkinNotebook2->addWidget(panel.readingPage);

    panel.bsSkinNotebook2->setCurrentIndex(ReferencePanel::kChartPage);
    // Word-wrapped texts cost every layout pass that measures them, and the
    // window starts on the chart: the texts are written into their tabs when
    // the tabs are first shown, before anyone sees them.
    QObject::connect(panel.bsSkinNotebook2, &QStackedWidget::currentChanged, panel.bsSkinPageControl1,
                     [sheets](int page) {
                         if (page != ReferencePanel::kTrigramsPage || sheets[0]->layout()->count() > 0) return;
                         const QList<TrigramText> texts = TrigramTexts();
                         for (qsizetype i = 0; i < sheets.size(); ++i) {
                             QLabel* label = NewTextLabel(texts[i], i);
                             sheets[i]->layout()->addWidget(label);
                             // A shown sheet would show and size its new label only at the next
                             // event-loop turn.
                             if (sheets[i]->isVisible()) label->show();
                             sheets[i]->layout()->activate();
                         }
                     });
    RetranslateReferencePanel(panel);
    return panel;
}

void RetranslateReferencePanel(const ReferencePanel& panel) {
    panel.Image1->setAccessibleName(QCoreApplication::translate("ReferencePanel", "八卦干支开悟图"));
    // The tabs' captions, and the texts once they have been written into
    // their tabs: before that the texts are not read at all.
    QTabWidget* tabs = panel.bsSkinPageControl1;
    const QList<TrigramText> heads = TrigramHeads();
    for (qsizetype i = 0; i < heads.size(); ++i) {
        tabs->setTabText(static_cast<int>(i), ShownDataText(heads[i].name));
        tabs->setTabToolTip(static_cast<int>(i), TrigramNaming(heads[i]));
    }
    if (!tabs->widget(0)->findChild<FittedTextLabel*>(LabelName(0))) return;
    const QList<TrigramText> texts = TrigramTexts();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        tabs->widget(static_cast<int>(i))->findChild<FittedTextLabel*>(LabelName(i))->SetFittedText(ShownLines(texts[i]));
    }
}
