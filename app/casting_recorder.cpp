#include "casting_recorder.h"

#include <QDateTime>
#include <filesystem>

#include "engine_message.h"
#include "journal/journal_location.h"
#include "program_settings.h"

namespace {

const QString kRecordKey = QStringLiteral("journal/record");

journal::WriteFailure FailureTold(journal::OpenOutcome outcome) {
    switch (outcome) {
        case journal::OpenOutcome::ReadOnlyUnknownSchema: return journal::WriteFailure::UnknownSchema;
        case journal::OpenOutcome::Unwritable: return journal::WriteFailure::Unwritable;
        default: return journal::WriteFailure::None;
    }
}

// "2010-09-13 17:05 张三 传统起卦": a casting as the user made it.
QString Named(const journal::JournalEntry& casting) {
    return QDateTime::fromSecsSinceEpoch(casting.castAt).toString(QStringLiteral("yyyy-MM-dd HH:mm")) +
           QLatin1Char(' ') + QString::fromStdString(casting.name) + QLatin1Char(' ') +
           QString::fromStdString(casting.method);
}

}  // namespace

pipeline::CastingInputs InputsOf() { return {}; }

pipeline::CastingInputs InputsOf(std::string text) {
    pipeline::CastingInputs inputs;
    inputs.text = std::move(text);
    return inputs;
}

pipeline::CastingInputs InputsOf(int upper, int lower, int line) {
    pipeline::CastingInputs inputs;
    inputs.manualUpper = upper;
    inputs.manualLower = lower;
    inputs.manualLine = line;
    return inputs;
}

CastingRecorder::CastingRecorder(std::function<void(const QString&)> tell, QObject* parent)
    : QObject(parent),
      tell_(std::move(tell)),
      // Off until the person turns it on: the program promises to keep
      // nothing. One who kept a journal before the switch was theirs to
      // set, and never set it, goes on recording.
      enabled_(ProgramSettings().value(kRecordKey, JournalKept()).toBool()) {}

bool CastingRecorder::JournalKept() { return std::filesystem::exists(journal::DefaultJournalFile()); }

CastingRecorder::~CastingRecorder() { Finish(); }

void CastingRecorder::setEnabled(bool on) {
    enabled_ = on;
    ProgramSettings().setValue(kRecordKey, on);
}

void CastingRecorder::Record(journal::JournalEntry casting) {
    if (!enabled_) return;
    {
        const std::lock_guard lock(mutex_);
        if (stopping_) return;
        handedOver_.push_back(std::move(casting));
    }
    changed_.notify_all();
    if (!writer_.joinable()) writer_ = std::thread(&CastingRecorder::Write, this);
}

void CastingRecorder::Write() {
    std::unique_ptr<journal::CastingJournal> journal;  // the writer's own: a journal serves one thread
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return stopping_ || !handedOver_.empty(); });
        if (stopping_) return;
        journal::JournalEntry casting = std::move(handedOver_.front());
        handedOver_.pop_front();
        writing_ = true;
        lock.unlock();

        Written written{std::move(casting), {}, std::nullopt};
        if (!journal) {
            journal = Open();
            written.opening = Opening{journal->outcome(), journal->message()};
        }
        written.result = journal->Record(written.entry);

        lock.lock();
        writing_ = false;
        written_.push_back(std::move(written));
        // One call takes all that is written by the time it runs.
        if (written_.size() == 1) QMetaObject::invokeMethod(this, [this] { TakeWritten(); }, Qt::QueuedConnection);
        changed_.notify_all();
    }
}

bool CastingRecorder::Settle(std::chrono::milliseconds wait) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, wait, [&] { return handedOver_.empty() && !writing_; });
}

void CastingRecorder::Finish(std::chrono::milliseconds wait) {
    if (!writer_.joinable()) return;
    Settle(wait);
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    writer_.join();

    QStringList unstored;
    TakeWritten(&unstored);
    for (const journal::JournalEntry& casting : handedOver_) unstored.append(Named(casting));
    handedOver_.clear();
    if (!unstored.isEmpty())
        tell_(tr("%n 次起卦未能记录：\n%1", nullptr, static_cast<int>(unstored.size()))
                  .arg(unstored.join(QLatin1Char('\n'))));
}

std::unique_ptr<journal::CastingJournal> CastingRecorder::Open() {
    const std::lock_guard lock(opening_);
    return std::make_unique<journal::CastingJournal>(journal::DefaultJournalFile());
}

void CastingRecorder::TakeWritten(QStringList* unstored) {
    std::vector<Written> taken;
    {
        const std::lock_guard lock(mutex_);
        taken.swap(written_);
    }
    bool stored = false;
    for (const Written& written : taken) {
        if (written.opening) TellOpening(*written.opening);
        if (unstored && !written.result.ok())
            unstored->append(Named(written.entry));
        else
            stored |= Check(written.result);
    }
    if (stored) emit recorded();
}

journal::CastingJournal& CastingRecorder::Journal() {
    if (!journal_) {
        journal_ = Open();
        TellOpening({journal_->outcome(), journal_->message()});
    }
    return *journal_;
}

void CastingRecorder::TellOpening(const Opening& opening) {
    if (opening.message.empty() || opening.message == openingTold_) return;
    openingTold_ = opening.message;
    toldAtOpening_ = FailureTold(opening.outcome);
    tell_(EngineMessage(QString::fromStdString(opening.message)));
}

bool CastingRecorder::Check(const journal::WriteResult& result) {
    const bool toldAlready = result.repeated || result.failure == toldAtOpening_;
    toldAtOpening_ = journal::WriteFailure::None;
    if (!result.ok() && !toldAlready) tell_(EngineMessage(QString::fromStdString(result.message)));
    return result.ok();
}
