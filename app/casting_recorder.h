// Keeps every casting the window shows in the journal, once the person has
// turned recording on. The window hands
// over a copy of the casting when its report is written; a writer thread
// with a journal connection of its own converts and stores the castings
// in the order they were made, so the window never waits for the disk nor
// for another program that holds the journal. The journal is opened at
// the first need, not at start-up. A journal that cannot be opened or
// written is told to the user once, not at every casting, and casting goes
// on. On closing, what is still unstored is named, not lost unseen.
#pragma once

#include <QObject>
#include <QStringList>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "journal/casting_journal.h"
#include "journal/journal_entry.h"
#include "pipeline/casting_road.h"

// A method's own arguments, as the window passes them, as the journal
// keeps them: none, the question, character or number text (GBK), or the
// trigram numbers and line picked by hand.
pipeline::CastingInputs InputsOf();
pipeline::CastingInputs InputsOf(std::string text);
pipeline::CastingInputs InputsOf(int upper, int lower, int line);

class CastingRecorder : public QObject {
    Q_OBJECT
public:
    // `tell` shows the user a message about the journal.
    explicit CastingRecorder(std::function<void(const QString&)> tell, QObject* parent = nullptr);
    // Finishes, for an owner that has not: `tell` must still work then.
    ~CastingRecorder() override;

    // Whether castings are recorded; remembered between runs. Off until
    // turned on, except for one who already keeps a journal.
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    // Whether a journal file is there, kept from earlier castings.
    static bool JournalKept();

    // Hands `casting` to the writer, when recording is on.
    void Record(journal::JournalEntry casting);

    // Waits up to `wait` for the castings handed over to be stored or
    // refused; true when none is left. What came of them reaches this
    // thread (the messages, `recorded`) at its event loop's next turn.
    bool Settle(std::chrono::milliseconds wait);

    // For closing: waits up to `wait` for the castings handed over, stops
    // the writer and names in one message those left unstored. Castings
    // handed over later are not recorded. Past the wait, a casting already
    // being written may still hold it for the rest of the journal's own.
    void Finish(std::chrono::milliseconds wait = std::chrono::milliseconds(journal::kBusyMilliseconds));

    // This thread's journal, opened at the first call (telling why if it
    // opened short of fully); history windows read and change it through
    // this.
    journal::CastingJournal& Journal();
signals:
    // Castings were stored: lists of castings are out of date.
    void recorded();

private:
    struct Opening {
        journal::OpenOutcome outcome;
        std::string message;
    };
    // What the writer made of one casting.
    struct Written {
        journal::JournalEntry entry;
        journal::WriteResult result;
        std::optional<Opening> opening;  // the writer's journal was opened for it
    };

    // The writer thread: stores the castings handed over, one by one.
    void Write();
    // Either thread: a new connection to the journal.
    std::unique_ptr<journal::CastingJournal> Open();
    // Takes what the writer has done since last time and tells of it. When
    // `unstored` is given (on closing), failures are named there instead.
    void TakeWritten(QStringList* unstored = nullptr);
    void TellOpening(const Opening& opening);
    // Tells a failed recording's message unless the user has just been
    // told. True when the casting was stored.
    bool Check(const journal::WriteResult& result);

    // On this (the window's) thread.
    std::function<void(const QString&)> tell_;
    bool enabled_;  // read from the settings once: a casting does not wait for them
    std::unique_ptr<journal::CastingJournal> journal_;
    // The failure the opening message already told of, until the first write.
    journal::WriteFailure toldAtOpening_ = journal::WriteFailure::None;
    // Both connections open the same file and fare alike: the user hears once.
    std::string openingTold_;

    // One opening at a time: two at once could both move aside a file that
    // is not a database, the second the first one's new journal.
    std::mutex opening_;
    // Shared with the writer, under `mutex_`; `changed_` tells of any change.
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<journal::JournalEntry> handedOver_;
    bool writing_ = false;  // one casting is out of `handedOver_`, not yet in `written_`
    bool stopping_ = false;
    std::vector<Written> written_;
    std::thread writer_;  // started at the first casting
};
