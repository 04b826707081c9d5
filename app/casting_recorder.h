// Keeps every casting the window shows in the journal. The window hands
// over a copy of the casting when its report is written; the copy is
// converted and stored after the current event, once the report has been
// painted, so a press never waits for the disk. The journal is opened at
// the first need, not at start-up. A journal that cannot be opened or
// written is told to the user once, not at every casting, and casting goes
// on.
#pragma once

#include <QDateTime>
#include <QObject>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "casting/casting_record.h"
#include "casting/divination_report.h"
#include "casting/moment_facts.h"
#include "journal/casting_journal.h"

// What a method was given beyond the person and the moment: made from a
// method's own arguments, as the window passes them. GBK.
struct CastingInputs {
    CastingInputs() = default;
    explicit CastingInputs(std::string text) : text(std::move(text)) {}
    CastingInputs(int upper, int lower, int line) : manualUpper(upper), manualLower(lower), manualLine(line) {}

    std::string text;  // the question, character or number
    int manualUpper = 0, manualLower = 0, manualLine = 0;
    int minute = 0;  // the clock's minute, for the method that reads it
};

// One casting as the window saw it.
struct CastingSnapshot {
    casting::CastingRecord record;
    casting::MomentFacts facts;
    casting::Person person;
    casting::Moment moment;
    CastingInputs inputs;
    QString report;
    QDateTime castAt;
};

// The journal's entry for a casting: UTF-8 texts, the reading's lines
// where the casting can be read.
journal::JournalEntry JournalEntryOf(const CastingSnapshot& casting);

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
    void Record(CastingSnapshot casting);

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
    std::vector<CastingSnapshot> pending_;
    std::unique_ptr<journal::CastingJournal> journal_;
    // The failure the opening message already told of, until the first write.
    journal::WriteFailure toldAtOpening_ = journal::WriteFailure::None;
};
