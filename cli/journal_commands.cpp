#include "journal_commands.h"

#include <ctime>
#include <ostream>

#include "journal/casting_journal.h"
#include "journal/journal_export.h"
#include "journal/journal_location.h"
#include "messages/catalog.h"

namespace cli {
namespace {

std::string LocalTimeText(std::int64_t castAt) {
    const std::time_t t = static_cast<std::time_t>(castAt);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

void WriteLine(const journal::JournalEntry& e, std::ostream& out, const OutputScript& script) {
    out << LocalTimeText(e.castAt) << '\t' << e.name << '\t';
    script.Put(out, e.method) << '\t';
    script.Put(out, e.hexagrams[journal::Primary]) << " → ";
    script.Put(out, e.hexagrams[journal::Changed]) << '\n';
}

}  // namespace

bool RecordInJournal(const journal::JournalEntry& entry, std::ostream& err) {
    journal::CastingJournal journal(journal::DefaultJournalFile());
    const journal::WriteResult result = journal.Record(entry);
    // A failed write's message says why; the opening's would say it again.
    const std::string& message = result.ok() ? journal.message() : result.message;
    if (!message.empty()) err << "yaopan-cast: " << message << '\n';
    return result.ok();
}

bool ListJournal(const std::optional<std::string>& search, bool json, std::ostream& out, std::ostream& err,
                 const OutputScript& script) {
    journal::CastingJournal journal(journal::DefaultJournalFile(), journal::Access::ReadOnly);
    if (!journal.message().empty()) err << "yaopan-cast: " << journal.message() << '\n';
    if (journal.outcome() == journal::OpenOutcome::Unreadable) return false;
    std::optional<journal::JsonArrayWriter> array;
    if (json) array.emplace(out);
    try {
        // Each casting goes out as it is read; a read that fails midway
        // leaves what went out before it, and the exit status says so.
        journal.ForEach(search.value_or(""), [&](const journal::JournalEntry& entry) {
            array ? array->Add(entry) : WriteLine(entry, out, script);
        });
    } catch (const journal::JournalError& error) {
        err << "yaopan-cast: " << messages::Formatted(messages::Translated("the journal could not be read: %s"), error.what())
            << '\n';
        return false;
    }
    if (array) {
        array->Close();
        out << '\n';
    }
    return true;
}

}  // namespace cli
