#include "casting_recorder.h"

#include <QSettings>
#include <QTimer>

#include "journal/journal_location.h"

namespace {

const QString kRecordKey = QStringLiteral("journal/record");

QSettings Settings() { return QSettings(QStringLiteral("yaopan"), QStringLiteral("yaopan")); }

journal::WriteFailure FailureTold(journal::OpenOutcome outcome) {
    switch (outcome) {
        case journal::OpenOutcome::ReadOnlyNewerSchema: return journal::WriteFailure::NewerSchema;
        case journal::OpenOutcome::Unwritable: return journal::WriteFailure::Unwritable;
        default: return journal::WriteFailure::None;
    }
}

}  // namespace

journal::CastingInputs InputsOf() { return {}; }

journal::CastingInputs InputsOf(std::string text) {
    journal::CastingInputs inputs;
    inputs.text = std::move(text);
    return inputs;
}

journal::CastingInputs InputsOf(int upper, int lower, int line) {
    journal::CastingInputs inputs;
    inputs.manualUpper = upper;
    inputs.manualLower = lower;
    inputs.manualLine = line;
    return inputs;
}

CastingRecorder::CastingRecorder(std::function<void(const QString&)> tell, QObject* parent)
    : QObject(parent), tell_(std::move(tell)), enabled_(Settings().value(kRecordKey, true).toBool()) {}

CastingRecorder::~CastingRecorder() = default;

void CastingRecorder::setEnabled(bool on) {
    enabled_ = on;
    Settings().setValue(kRecordKey, on);
}

void CastingRecorder::Record(journal::FinishedCasting casting) {
    if (!enabled_) return;
    // Posted behind the report's paint; castings made before it runs are
    // stored together.
    if (pending_.empty()) QTimer::singleShot(0, this, &CastingRecorder::StorePending);
    pending_.push_back(std::move(casting));
}

void CastingRecorder::StorePending() {
    const std::vector<journal::FinishedCasting> castings = std::move(pending_);
    pending_.clear();
    bool stored = false;
    for (const auto& casting : castings) stored |= Check(Journal().Record(journal::EntryOfCasting(casting)));
    if (stored) emit recorded();
}

journal::CastingJournal& CastingRecorder::Journal() {
    if (!journal_) {
        journal_ = std::make_unique<journal::CastingJournal>(journal::DefaultJournalFile());
        toldAtOpening_ = FailureTold(journal_->outcome());
        if (!journal_->message().empty()) tell_(QString::fromStdString(journal_->message()));
    }
    return *journal_;
}

bool CastingRecorder::Check(const journal::WriteResult& result) {
    const bool toldAlready = result.repeated || result.failure == toldAtOpening_;
    toldAtOpening_ = journal::WriteFailure::None;
    if (!result.ok() && !toldAlready) tell_(QString::fromStdString(result.message));
    return result.ok();
}
