// 查询 > 历史记录: the journal's castings, newest first or sorted by a click
// on a column's head, with a search over names, questions, notes and
// hexagram names. A casting can be opened into the main window, given a
// note, deleted, and the listed ones exported. Esc closes it.
#pragma once

#include <QWidget>

#include "journal/journal_entry.h"
#include "shell_services.h"

class CastingRecorder;
class HistoryModel;
class QLineEdit;
class QPushButton;
class QTableView;

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    HistoryWindow(CastingRecorder& recorder, ShellServices services, QWidget* parent = nullptr);

    HistoryModel& model() { return *model_; }

    void OpenCurrent();      // 打开: hands the selected casting to `opened`
    void EditCurrentNote();  // 备注…
    void DeleteCurrent();    // 删除, after asking
    void ExportListed();     // 导出…: the listed castings as CSV or JSON

    QLineEdit* search;
    QTableView* table;
    QPushButton *openButton, *noteButton, *deleteButton, *exportButton;

signals:
    void opened(const journal::JournalEntry& casting);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void RetranslateUi();
    // The selected row, or -1.
    int CurrentRow() const;
    void Tell(const QString& text);

    CastingRecorder& recorder_;
    ShellServices services_;
    HistoryModel* model_;
};
