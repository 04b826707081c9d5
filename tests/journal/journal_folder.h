// A temporary folder per test for real journal files, and a casting to
// record in them.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "journal/casting_journal.h"

class JournalFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "journal_test.XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        file = folder / "yaopan" / "castings.sqlite3";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    static journal::JournalEntry Casting(const std::string& name, const std::string& question = "明天出行可好") {
        return {.name = name, .sex = "女", .age = "36", .year = 2026, .month = 12, .day = 9, .hour = 13, .minute = 5,
                .method = "问话起卦", .question = question,
                .hexagrams = {"乾为天", "乾为天", "天风姤", "坤为地", "乾为天"}, .movingLine = 1,
                .report = "本卦　乾为天\n变卦　天风姤\n", .castAt = 1'796'821'500, .note = "", .reading = {},
                .placeName = {}, .longitude = {}, .zone = {}, .corrections = {}, .castFrom = {},
                .zi = {}, .pillarBoundary = {}, .yearNumber = {}, .strength = {}};
    }

    // A casting cast from true solar time at a typed longitude.
    static journal::JournalEntry Corrected(const std::string& name) {
        journal::JournalEntry entry = Casting(name);
        entry.placeName = "";
        entry.longitude = 75.99;
        entry.zone = "Asia/Shanghai";
        entry.corrections = R"([{"kind":"longitude","seconds":-10562},{"kind":"equation_of_time","seconds":-851}])";
        entry.castFrom = "2026-12-09 10:05:47";
        return entry;
    }

    static std::string Bytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path folder;
    std::filesystem::path file;
};
