#include "history_window.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "casting_recorder.h"
#include "data_script.h"
#include "history_model.h"
#include "journal/journal_export.h"
#include "save_file.h"

HistoryWindow::HistoryWindow(CastingRecorder& recorder, ShellServices services, QWidget* parent)
    : QWidget(parent, Qt::Window), recorder_(recorder), services_(std::move(services)) {
    setObjectName(QStringLiteral("historyWindow"));
    resize(860, 480);  // every column in view, the note stretching to the edge

    search = new QLineEdit(this);
    search->setObjectName(QStringLiteral("search"));
    search->setClearButtonEnabled(true);

    model_ = new HistoryModel(recorder_.Journal(), this);
    table = new QTableView(this);
    table->setObjectName(QStringLiteral("castings"));
    table->setModel(model_);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    // Fixed widths: fitting them to the contents would read every row.
    for (const auto& [column, width] : {std::pair{HistoryModel::Time, 130}, {HistoryModel::Name, 90},
                                        {HistoryModel::Method, 150}, {HistoryModel::Question, 150}}) {
        table->setColumnWidth(column, width);
    }

    auto newButton = [this](const char* name, void (HistoryWindow::*act)()) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, act);
        return button;
    };
    openButton = newButton("openButton", &HistoryWindow::OpenCurrent);
    noteButton = newButton("noteButton", &HistoryWindow::EditCurrentNote);
    deleteButton = newButton("deleteButton", &HistoryWindow::DeleteCurrent);
    exportButton = newButton("exportButton", &HistoryWindow::ExportListed);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {openButton, noteButton, deleteButton}) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(search);
    layout->addWidget(table, 1);
    layout->addLayout(buttons);

    connect(search, &QLineEdit::textChanged, model_, &HistoryModel::Search);
    connect(table, &QTableView::activated, this, &HistoryWindow::OpenCurrent);
    connect(&recorder_, &CastingRecorder::recorded, model_, &HistoryModel::Reload);
    connect(model_, &HistoryModel::readFailed, this,
            [this](const QString& why) { Tell(tr("起卦记录读取出错：%1").arg(why)); });
    // Newest first, as the header shows; a click on a column's head sorts
    // by it. Enabling the sort reads the list the first time.
    table->horizontalHeader()->setSortIndicator(HistoryModel::Time, Qt::DescendingOrder);
    table->setSortingEnabled(true);
    RetranslateUi();
}

void HistoryWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        RetranslateUi();
        model_->ShowDataTexts();
    }
    QWidget::changeEvent(event);
}

void HistoryWindow::RetranslateUi() {
    setWindowTitle(tr("历史记录"));
    search->setAccessibleName(tr("搜索"));
    search->setPlaceholderText(tr("搜索姓名、问话、备注、卦名"));
    const std::pair<QPushButton*, QString> captions[] = {
        {openButton, tr("打开")}, {noteButton, tr("备注…")}, {deleteButton, tr("删除")}, {exportButton, tr("导出…")}};
    for (const auto& [button, caption] : captions) {
        button->setText(caption);
        button->setAccessibleName(caption);
    }
    model_->RetranslateHeadings();
    // Names glossed with their pinyin need about half as much room again.
    table->setColumnWidth(HistoryModel::Hexagrams, NameGlossShown() == reading::NameGloss::None ? 150 : 240);
}

void HistoryWindow::keyPressEvent(QKeyEvent* event) {
    // Esc closes, as it does a dialog; the list and the search box leave
    // the key to the window.
    if (event->matches(QKeySequence::Cancel)) return void(close());
    QWidget::keyPressEvent(event);
}

int HistoryWindow::CurrentRow() const {
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void HistoryWindow::Tell(const QString& text) { services_.showMessage(this, MessageBox::Error, text); }

void HistoryWindow::OpenCurrent() {
    const int row = CurrentRow();
    if (row >= 0) emit opened(model_->Entry(row));
}

void HistoryWindow::EditCurrentNote() {
    const int row = CurrentRow();
    if (row < 0) return;
    const journal::JournalEntry& casting = model_->Entry(row);
    const std::optional<QString> note =
        services_.editText(this, tr("备注："), QString::fromStdString(casting.note));
    if (!note) return;
    const journal::WriteResult result = recorder_.Journal().UpdateNote(casting.id, note->toStdString());
    if (!result.ok()) return Tell(QString::fromStdString(result.message));
    model_->ChangeNote(row, note->toStdString());
}

void HistoryWindow::DeleteCurrent() {
    const int row = CurrentRow();
    if (row < 0) return;
    const journal::JournalEntry& casting = model_->Entry(row);
    const QString what = HistoryModel::CastTime(casting) + QLatin1Char(' ') + QString::fromStdString(casting.name);
    if (!services_.ask(this, tr("删除这次起卦的记录（%1）？删除后无法恢复。").arg(what))) return;
    const journal::WriteResult result = recorder_.Journal().Delete(casting.id);
    if (!result.ok()) return Tell(QString::fromStdString(result.message));
    model_->ForgetRow(row);
}

void HistoryWindow::ExportListed() {
    const std::vector<SaveFormat> formats = {{QStringLiteral("CSV (*.csv)"), QStringLiteral("csv")},
                                             {QStringLiteral("JSON (*.json)"), QStringLiteral("json")}};
    const std::optional<ChosenFile> chosen =
        ChooseFileToSave(services_, this, tr("导出起卦记录"), formats, tr("起卦记录"));
    if (!chosen) return;
    const std::vector<journal::JournalEntry>& castings = model_->AllEntries();
    const std::string text = chosen->format == 1 ? journal::ToJson(castings) : journal::ToCsv(castings);
    if (!SaveBytes(chosen->file, QByteArray::fromStdString(text))) {
        Tell(tr("起卦记录无法写入“%1”。").arg(chosen->file));
    }
}
