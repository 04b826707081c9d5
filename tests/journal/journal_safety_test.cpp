// What must hold when things go wrong: other writers, damaged or foreign
// files, no room, no permission, and a program killed while it records.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <ctime>
#include <functional>
#include <vector>

#include "journal/casting_journal.h"
#include "journal/journal_schema.h"
#include "journal_folder.h"

using journal::CastingJournal;
using journal::OpenOutcome;
using journal::WriteFailure;

namespace {

using JournalSafetyTest = JournalFolder;

// Runs `work` in a child process that exits with 0 when it returns true.
pid_t Child(const std::function<bool()>& work) {
    const pid_t pid = fork();
    if (pid == 0) _exit(work() ? 0 : 1);
    return pid;
}

// The wait status of a child: 0 when it exited with 0.
int Status(pid_t pid) {
    int status = -1;
    return waitpid(pid, &status, 0) == pid ? status : -1;
}

// The first of two failed writes tells the user why, the second is marked
// as the same failure again.
void ExpectToldOnce(const std::function<journal::WriteResult()>& write, WriteFailure failure) {
    const auto first = write();
    const auto second = write();
    EXPECT_EQ(first.failure, failure);
    EXPECT_FALSE(first.message.empty());
    EXPECT_FALSE(first.repeated);
    EXPECT_EQ(second.failure, failure);
    EXPECT_TRUE(second.repeated);
}

TEST_F(JournalSafetyTest, TwoProgramsRecordingAtOnceLoseNothing) {
    const auto recordThousand = [&] {
        CastingJournal journal(file);
        for (int i = 0; i < 1000; ++i)
            if (!journal.Record(Casting("王")).ok()) return false;
        return true;
    };
    const pid_t first = Child(recordThousand), second = Child(recordThousand);
    EXPECT_EQ(Status(first), 0);
    EXPECT_EQ(Status(second), 0);
    EXPECT_EQ(CastingJournal(file).Count(), 2000);
}

TEST_F(JournalSafetyTest, MovesAFileOfGarbageAsideAndStartsAnew) {
    const std::string garbages[] = {
        "0123456789",
        std::string(4096, '\0'),
        std::string("SQLite format 3\0", 16) + std::string(5000, '\x5A'),
    };
    for (const std::string& garbage : garbages) {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << garbage;

        CastingJournal journal(file);
        EXPECT_EQ(journal.outcome(), OpenOutcome::MovedAside);
        EXPECT_NE(journal.message().find(journal.movedTo().string()), std::string::npos) << journal.message();
        EXPECT_EQ(Bytes(journal.movedTo()), garbage);
        // The new name says when: the year of the move is in it.
        const std::time_t now = std::time(nullptr);
        EXPECT_NE(journal.movedTo().filename().string().find(std::to_string(1900 + std::gmtime(&now)->tm_year)),
                  std::string::npos);
        EXPECT_TRUE(journal.Record(Casting("王")).ok());
        EXPECT_EQ(journal.Count(), 1);
        std::filesystem::remove_all(file.parent_path());
    }
}

TEST_F(JournalSafetyTest, AJournalThatCannotBeWrittenSaysSoOnce) {
    std::ofstream(folder / "plain") << "a regular file, not a folder";
    CastingJournal journal(folder / "plain" / "castings.sqlite3");
    EXPECT_EQ(journal.outcome(), OpenOutcome::Unwritable);
    EXPECT_FALSE(journal.message().empty());
    ExpectToldOnce([&] { return journal.Record(Casting("王")); }, WriteFailure::Unwritable);
    EXPECT_EQ(journal.Count(), 0);
    EXPECT_TRUE(journal.List({}, 10).empty());
}

TEST_F(JournalSafetyTest, AFullDiskRefusesTheCastingAndKeepsEveryEarlierOne) {
    std::vector<journal::JournalEntry> stored;
    {
        CastingJournal journal(file);
        for (const char* name : {"甲", "乙", "丙"}) {
            stored.push_back(Casting(name));
            stored.back().id = journal.Record(stored.back()).id;
        }
        journal.LimitPages(1);  // no page beyond those in use
        auto big = Casting("丁");
        big.report = std::string(100000, 'r');
        ExpectToldOnce([&] { return journal.Record(big); }, WriteFailure::DiskFull);
    }
    CastingJournal reopened(file);
    for (const auto& entry : stored) EXPECT_EQ(reopened.Get(entry.id), entry);
    EXPECT_TRUE(reopened.Find("丁").empty());
}

// A number above ours is a newer program's; one below 0 or far above is
// what one flipped byte of the header makes. The castings stay where they
// are, readable, and a read of tables not ours fails without a crash.
TEST_F(JournalSafetyTest, AJournalOfAnUnknownSchemaIsReadButNeverWrittenNorMoved) {
    const struct {
        int version;
        bool ourTables;
    } cases[] = {{journal::CurrentSchemaVersion() + 1, false}, {-1, true}, {INT_MIN, true}, {INT_MAX, true}};
    for (const auto& c : cases) {
        std::filesystem::remove_all(file.parent_path());
        std::filesystem::create_directories(file.parent_path());
        if (c.ourTables) CastingJournal(file).Record(Casting("甲"));
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
        const std::string sql = (c.ourTables ? "" : "CREATE TABLE future (x); ") +
                                ("PRAGMA user_version = " + std::to_string(c.version));
        ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        const std::string before = Bytes(file);
        for (const journal::Access access : {journal::Access::ReadWrite, journal::Access::ReadOnly}) {
            CastingJournal journal(file, access);
            EXPECT_EQ(journal.outcome(), OpenOutcome::ReadOnlyUnknownSchema);
            EXPECT_NE(journal.message().find("（" + std::to_string(c.version) + "）"), std::string::npos)
                << journal.message();
            if (c.ourTables)
                EXPECT_EQ(journal.List(std::nullopt, 10).size(), 1u);
            else
                EXPECT_THROW(journal.List(std::nullopt, 10), journal::JournalError);
            ExpectToldOnce([&] { return journal.Record(Casting("王")); }, WriteFailure::UnknownSchema);
            EXPECT_EQ(journal.Record(Casting("王")).message, journal.message());
        }
        EXPECT_EQ(Bytes(file), before) << c.version;  // neither changed nor moved aside
    }
}

TEST_F(JournalSafetyTest, TheJournalItsLogsAndItsFoldersAreTheOwnersAlone) {
    const mode_t umaskBefore = umask(022);
    const auto journalFile = folder / "share" / "yaopan" / "castings.sqlite3";
    const auto modes = [&] {
        std::vector<int> modes;
        for (const char* log : {"", "-wal", "-shm"})
            modes.push_back(int(std::filesystem::status(journalFile.string() + log).permissions()));
        for (const auto& made : {journalFile.parent_path(), folder / "share"})
            modes.push_back(int(std::filesystem::status(made).permissions()));
        return modes;
    };
    const std::vector<int> ownerOnly{0600, 0600, 0600, 0700, 0700};
    CastingJournal(journalFile).Record(Casting("甲"));  // new: made so
    // As journals were kept before: the umask's modes, narrowed at opening.
    for (const char* log : {"", "-wal", "-shm"}) {
        std::ofstream{journalFile.string() + log, std::ios::app};
        std::filesystem::permissions(journalFile.string() + log, std::filesystem::perms(0644));
    }
    std::filesystem::permissions(journalFile.parent_path(), std::filesystem::perms(0755));
    CastingJournal journal(journalFile);
    ASSERT_TRUE(journal.Record(Casting("王")).ok()) << journal.message();
    EXPECT_EQ(modes(), ownerOnly);
    umask(umaskBefore);
}

// A link in the journal's place is refused, whether it leads to a file or
// to nowhere; a link among the folders above is the user's own choice.
TEST_F(JournalSafetyTest, AJournalFileThatIsALinkIsRefusedButALinkedFolderServes) {
    std::filesystem::create_directories(folder / "other disk");
    std::filesystem::create_directory_symlink(folder / "other disk", file.parent_path());
    std::ofstream(folder / "target") << "not the journal";
    for (const char* target : {"target", "missing"}) {
        std::filesystem::create_symlink(folder / target, file);
        CastingJournal journal(file);
        EXPECT_EQ(journal.outcome(), OpenOutcome::Unwritable);
        EXPECT_NE(journal.message().find("符号链接"), std::string::npos) << journal.message();
        EXPECT_FALSE(journal.Record(Casting("王")).ok());
        EXPECT_TRUE(std::filesystem::is_symlink(file));  // not moved aside
        std::filesystem::remove(file);
    }
    EXPECT_EQ(Bytes(folder / "target"), "not the journal");
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    EXPECT_TRUE(CastingJournal(file).Record(Casting("王")).ok());
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "other disk" / "castings.sqlite3"));
}

TEST_F(JournalSafetyTest, KilledWhileRecordingKeepsEveryEarlierCasting) {
    int ids[2];
    ASSERT_EQ(pipe(ids), 0);
    const pid_t recorder = Child([&] {
        close(ids[0]);
        CastingJournal journal(file);
        for (;;) {
            const std::int64_t id = journal.Record(Casting("王")).id;
            if (id == 0 || write(ids[1], &id, sizeof id) != sizeof id) return false;
        }
    });
    close(ids[1]);
    std::vector<std::int64_t> recorded;
    for (std::int64_t id; recorded.size() < 300 && read(ids[0], &id, sizeof id) == sizeof id;) recorded.push_back(id);
    kill(recorder, SIGKILL);
    for (std::int64_t id; read(ids[0], &id, sizeof id) == sizeof id;) recorded.push_back(id);
    close(ids[0]);
    waitpid(recorder, nullptr, 0);

    ASSERT_GE(recorded.size(), 300u);
    CastingJournal journal(file);
    EXPECT_EQ(journal.outcome(), OpenOutcome::Ok) << journal.message();
    for (std::int64_t id : recorded) ASSERT_TRUE(journal.Get(id)) << id;
    EXPECT_GE(journal.Count(), std::ssize(recorded));
    EXPECT_TRUE(journal.Record(Casting("李")).ok());
}

}  // namespace
