#include "generated_journal.h"

#include <array>
#include <cstdlib>
#include <random>
#include <string>

#include <unistd.h>

#include "journal/casting_journal.h"

namespace bench {

void WriteGeneratedJournal(const std::filesystem::path& file, int castings) {
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
        WriteGeneratedJournal(path);
        return path;
    }();
    return file;
}

}  // namespace bench
