// Keeps every casting the window shows in the journal. The window hands
// over a copy of the casting when its report is written; the copy is
// converted and stored after the current event, once the report has been
// painted, so a press never waits for the disk. The journal is opened at
// the first need, not at start-up. A journal that cannot be opened or
// written is told to the user once, not at every casting, and casting goes
// on.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "journal/casting_journal.h"
#include "journal/entry_of_casting.h"

// A method's own arguments, as the window passes them, as the journal
// keeps them: none, the question, character or number text (GBK), or the
// trigram numbers and line picked by hand.
journal::CastingInputs InputsOf();
journal::CastingInputs InputsOf(std::string text);
journal::CastingInputs InputsOf(int upper, int lower, int line);

class CastingRecorder : public QObject {
    Q_OBJECT
public:
    // `tell` shows the user a message about the journal.
    explicit CastingRecorder(std::function<void(const QString&)> tell, QObject* parent = nullptr);
    ~CastingRecorder() override;

    // Whether castings are recorded; remembered between runs.
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);

    // Stores `casting` after the current event, when recording is on.
    void Record(journal::FinishedCasting casting);

    // The journal, opened at the first call (telling why if it opened
    // short of fully); history windows read and change it through this.
    journal::CastingJournal& Journal();
signals:
    // A casting was stored: lists of castings are out of date.
    void recorded();

private:
    void StorePending();
    // Tells a failed recording's message unless the user has just been
    // told. True when the casting was stored.
    bool Check(const journal::WriteResult& result);

    std::function<void(const QString&)> tell_;
    bool enabled_;  // read from the settings once: a casting does not wait for them
    std::vector<journal::FinishedCasting> pending_;
    std::unique_ptr<journal::CastingJournal> journal_;
    // The failure the opening message already told of, until the first write.
    journal::WriteFailure toldAtOpening_ = journal::WriteFailure::None;
};
