// The journal's castings as a table, newest first or sorted by a column:
// all of them, or those a search finds. Rows are read a batch at a time as
// the view scrolls to them, each batch from the sort's index after the
// last row read, so a journal of any size opens, and sorts, at once.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "journal/casting_journal.h"

class HistoryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Time, Name, Method, Question, Hexagrams, Note, ColumnCount };

    // Empty until the first Reload.
    explicit HistoryModel(journal::CastingJournal& journal, QObject* parent = nullptr);

    // Lists the castings whose name, question, note or hexagram names hold
    // `query`; every casting when it is empty.
    void Search(const QString& query);
    // Reads the list anew, for the same search and order.
    void Reload();
    // Sorts by `column`, castings of equal values newest first (oldest
    // first when ascending); the journal sorts, not the model.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // When a casting was made, as its time column shows it without marks.
    static QString CastTime(const journal::JournalEntry& entry);

    const journal::JournalEntry& Entry(int row) const { return rows_[row]; }
    // Every casting of the list, including those not read yet.
    const std::vector<journal::JournalEntry>& AllEntries();
    void ChangeNote(int row, std::string note);
    // The column heads anew, in the window's language now.
    void RetranslateHeadings();
    // The castings' texts anew, in the window's language now: hexagram and
    // method names, places, in traditional characters under Traditional
    // Chinese, hexagram names with pinyin and English under English. The
    // journal's texts stay as they are.
    void ShowDataTexts();
    void ForgetRow(int row);  // the casting was deleted

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent = {}) const override;
    void fetchMore(const QModelIndex& parent = {}) override;

signals:
    // The journal refused a read; the list ends where it stopped.
    void readFailed(const QString& why);

private:
    // Reads up to `count` more rows.
    void Fetch(std::int64_t count);
    // The list is read a page at a time from the journal, not by the ids
    // a search found.
    bool Paged() const { return query_.empty() || indexed_; }

    // A text and the tooltip that names it in full.
    struct Shown {
        QString text, tip;
    };
    // A name the program wrote (UTF-8, simplified) in the window's
    // language: a hexagram's, or any other (a method's, a place's).
    const Shown& HexagramShown(const std::string& name) const;
    const QString& TextShown(const std::string& text) const;
    // A method's name: translated outside Chinese, else as TextShown gives it.
    QString MethodShown(const std::string& method) const;
    QString TimeTip(const journal::JournalEntry& entry) const;

    journal::CastingJournal& journal_;
    std::string query_;               // UTF-8; empty lists every casting
    journal::ListOrder order_{journal::SortKey::Time, false};
    // What a search found through the journal's index of characters, read
    // a page at a time as an unsearched list is; otherwise the ids a
    // search found, in order.
    std::optional<journal::IndexFound> indexed_;
    std::vector<std::int64_t> found_;
    // Where the next batch of a paged list starts: taken when a batch
    // is read, as a note changed since would no longer place the row.
    std::optional<journal::ListPlace> next_;
    // A paged list has been read to its end: its length is learnt by
    // reading, as counting a long journal first would keep the window from
    // opening.
    bool listEnded_ = false;
    std::vector<journal::JournalEntry> rows_;
    // Each distinct text converted once for the language shown, as the
    // rows' texts repeat and a conversion is far slower than a paint.
    mutable std::unordered_map<std::string, Shown> hexagramsShown_;
    mutable std::unordered_map<std::string, QString> textsShown_;
};
