#include "generated_journal.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "journal/casting_journal.h"
#include "journal/character_index.h"

namespace bench {

namespace {

// Castings recorded one by one; past these the journal grows by copies of
// what it holds, a later minute each, as a million recorded one at a time
// would take the better part of an hour.
constexpr int kRecordedOneByOne = 20000;

// Copies the journal's castings onto its end, the copies' times following
// the last casting's a minute apart, until it holds `castings`. The
// triggers keep the search table and its index as recording would.
void GrowByCopies(const std::filesystem::path& file, int castings) {
    sqlite3* db = nullptr;
    if (sqlite3_open(file.c_str(), &db) != SQLITE_OK) std::abort();
    journal::RegisterCharacterTokenizer(db);
    const auto run = [db](const std::string& sql) {
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) std::abort();
    };
    std::vector<std::string> columns;
    sqlite3_exec(
        db, "SELECT name FROM pragma_table_info('castings') WHERE name != 'id'",
        [](void* names, int, char** row, char**) {
            static_cast<std::vector<std::string>*>(names)->push_back(row[0]);
            return 0;
        },
        &columns, nullptr);
    for (long held = std::min(castings, kRecordedOneByOne); held < castings; held *= 2) {
        std::string names, values;
        for (const std::string& column : columns) {
            names += (names.empty() ? "" : ", ") + column;
            const std::string value = column == "cast_at" ? "cast_at + " + std::to_string(held * 60) : column;
            values += (values.empty() ? "" : ", ") + value;
        }
        run("INSERT INTO castings (" + names + ") SELECT " + values + " FROM castings ORDER BY id LIMIT " +
            std::to_string(castings - held));
    }
    sqlite3_close(db);
}

// Records `castings` castings one by one, as the program would.
void RecordOneByOne(const std::filesystem::path& file, int castings) {
    const std::array<const char*, 8> surnames = {"王", "李", "张", "刘", "陈", "杨", "赵", "黄"};
    const std::array<const char*, 8> givenNames = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊"};
    const std::array<const char*, 8> hexagrams = {"乾为天", "坤为地", "水雷屯", "山水蒙",
                                                  "水天需", "天水讼", "地水师", "水地比"};
    const std::array<const char*, 4> questions = {"", "明天出行可好", "此事能成否", "13912345678"};
    std::string report;
    for (int line = 0; line < 40; ++line) report += "乾为天　　初九：潜龙勿用。　　　变卦　　天风姤\n";
    std::mt19937 random(18);
    journal::CastingJournal journal(file);
    for (int i = 0; i < castings; ++i) {
        journal::JournalEntry entry;
        entry.name = std::string(surnames[random() % 8]) + givenNames[random() % 8];
        entry.sex = "男";
        entry.age = std::to_string(20 + random() % 50);
        entry.year = 2026;
        entry.month = 1 + random() % 12;
        entry.day = 1 + random() % 28;
        entry.hour = random() % 24;
        entry.method = "时间起卦";
        entry.question = questions[random() % 4];
        for (auto& name : entry.hexagrams) name = hexagrams[random() % 8];
        entry.movingLine = 1 + random() % 6;
        entry.report = report;
        entry.castAt = 1'780'000'000 + i * 60;
        if (i % 10 == 0) entry.note = "应验了，值得再看";
        if (!journal.Record(entry).ok()) std::abort();
    }
}

}  // namespace

void WriteGeneratedJournal(const std::filesystem::path& file, int castings) {
    RecordOneByOne(file, std::min(castings, kRecordedOneByOne));
    GrowByCopies(file, castings);
}

void PlaceGeneratedJournal(const std::filesystem::path& file) {
    const char* made = std::getenv("YAOPAN_BENCH_JOURNAL");
    if (!made || !*made) return WriteGeneratedJournal(file);
    std::filesystem::create_directories(file.parent_path());
    std::filesystem::copy_file(made, file, std::filesystem::copy_options::overwrite_existing);
}

namespace {

struct TemporaryFolder {
    std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("generated_journal." + std::to_string(getpid()));
    TemporaryFolder() { std::filesystem::create_directories(path); }
    ~TemporaryFolder() { std::filesystem::remove_all(path); }
};

}  // namespace

const std::filesystem::path& TemporaryGeneratedJournal() {
    static const TemporaryFolder folder;
    static const std::filesystem::path file = [] {
        const auto path = folder.path / "yaopan" / "castings.sqlite3";
        PlaceGeneratedJournal(path);
        return path;
    }();
    return file;
}

}  // namespace bench
