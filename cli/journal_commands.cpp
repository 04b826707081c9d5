#include "journal_commands.h"

#include <ctime>
#include <ostream>
#include <vector>

#include "journal/casting_journal.h"
#include "journal/journal_export.h"
#include "journal/journal_location.h"

namespace cli {
namespace {

constexpr int kPage = 1000;

std::string LocalTimeText(std::int64_t castAt) {
    const std::time_t t = static_cast<std::time_t>(castAt);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::vector<journal::JournalEntry> Stored(journal::CastingJournal& journal, const std::optional<std::string>& search) {
    std::vector<journal::JournalEntry> entries;
    if (search) {
        for (std::int64_t id : journal.Find(*search)) {
            if (auto entry = journal.Get(id)) entries.push_back(std::move(*entry));
        }
        return entries;
    }
    for (;;) {
        std::vector<journal::JournalEntry> page = journal.List(static_cast<std::int64_t>(entries.size()), kPage);
        const bool last = page.size() < static_cast<std::size_t>(kPage);
        entries.insert(entries.end(), std::make_move_iterator(page.begin()), std::make_move_iterator(page.end()));
        if (last) return entries;
    }
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

bool ListJournal(const std::optional<std::string>& search, bool json, std::ostream& out, std::ostream& err) {
    journal::CastingJournal journal(journal::DefaultJournalFile());
    if (!journal.message().empty()) err << "yaopan-cast: " << journal.message() << '\n';
    std::vector<journal::JournalEntry> entries;
    try {
        entries = Stored(journal, search);
    } catch (const journal::JournalError& error) {
        err << "yaopan-cast: the journal could not be read: " << error.what() << '\n';
        return false;
    }
    if (json) {
        out << journal::ToJson(entries) << '\n';
        return true;
    }
    for (const journal::JournalEntry& e : entries) {
        out << LocalTimeText(e.castAt) << '\t' << e.name << '\t' << e.method << '\t'
            << e.hexagrams[journal::Primary] << " → " << e.hexagrams[journal::Changed] << '\n';
    }
    return true;
}

}  // namespace cli
