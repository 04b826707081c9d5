#include "casting_recorder.h"

#include <QSettings>
#include <QTimer>
#include <stdexcept>

#include "journal/journal_location.h"
#include "reading/reading_layout.h"
#include "text/gbk_utf8.h"

namespace {

const QString kRecordKey = QStringLiteral("journal/record");

QSettings Settings() { return QSettings(QStringLiteral("yaopan"), QStringLiteral("yaopan")); }

// The report frames each hexagram name in spaces.
std::string Unframed(const std::string& gbk) {
    const auto first = gbk.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text::Utf8FromGbk(std::string_view(gbk).substr(first, gbk.find_last_not_of(' ') + 1 - first));
}

std::optional<std::string> ReadingOf(const CastingSnapshot& casting) {
    try {
        std::string lines;
        for (const std::string& line :
             reading::ReadingLines(reading::ComputeReading(reading::ReadingInputOf(casting.record, casting.facts)))) {
            if (!lines.empty()) lines += '\n';
            lines += line;
        }
        return text::Utf8FromGbk(lines);
    } catch (const std::invalid_argument&) {
        return std::nullopt;  // a record that holds no whole casting has no reading
    }
}

journal::WriteFailure FailureTold(journal::OpenOutcome outcome) {
    switch (outcome) {
        case journal::OpenOutcome::ReadOnlyNewerSchema: return journal::WriteFailure::NewerSchema;
        case journal::OpenOutcome::Unwritable: return journal::WriteFailure::Unwritable;
        default: return journal::WriteFailure::None;
    }
}

}  // namespace

journal::JournalEntry JournalEntryOf(const CastingSnapshot& casting) {
    journal::JournalEntry entry;
    entry.name = text::Utf8FromGbk(casting.person.name);
    entry.sex = text::Utf8FromGbk(casting.person.sex);
    entry.age = text::Utf8FromGbk(casting.person.age);
    entry.year = casting.moment.year;
    entry.month = casting.moment.month;
    entry.day = casting.moment.day;
    entry.hour = casting.moment.hour;
    entry.minute = casting.inputs.minute;
    entry.method = text::Utf8FromGbk(casting.record.MethodText);
    entry.question = text::Utf8FromGbk(casting.inputs.text);
    entry.manualUpper = casting.inputs.manualUpper;
    entry.manualLower = casting.inputs.manualLower;
    entry.manualLine = casting.inputs.manualLine;
    for (int role = 0; role < journal::HexagramRoleCount; ++role) {
        entry.hexagrams[role] = Unframed(casting.record.texts[9 + role]);
    }
    entry.movingLine = casting.record.MovingLine;
    entry.report = casting.report.toStdString();
    entry.castAt = casting.castAt.toSecsSinceEpoch();
    entry.reading = ReadingOf(casting);
    return entry;
}

CastingRecorder::CastingRecorder(std::function<void(const QString&)> tell, QObject* parent)
    : QObject(parent), tell_(std::move(tell)), enabled_(Settings().value(kRecordKey, true).toBool()) {}

CastingRecorder::~CastingRecorder() = default;

void CastingRecorder::setEnabled(bool on) {
    enabled_ = on;
    Settings().setValue(kRecordKey, on);
}

void CastingRecorder::Record(CastingSnapshot casting) {
    if (!enabled_) return;
    // Posted behind the report's paint; castings made before it runs are
    // stored together.
    if (pending_.empty()) QTimer::singleShot(0, this, &CastingRecorder::StorePending);
    pending_.push_back(std::move(casting));
}

void CastingRecorder::StorePending() {
    const std::vector<CastingSnapshot> castings = std::move(pending_);
    pending_.clear();
    bool stored = false;
    for (const CastingSnapshot& casting : castings) stored |= Check(Journal().Record(JournalEntryOf(casting)));
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
