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
        journal::JournalEntry entry;
        entry.name = name;
        entry.sex = "女";
        entry.age = "36";
        entry.year = 2026, entry.month = 12, entry.day = 9, entry.hour = 13, entry.minute = 5;
        entry.method = "问话起卦";
        entry.question = question;
        entry.hexagrams = {"乾为天", "乾为天", "天风姤", "坤为地", "乾为天"};
        entry.movingLine = 1;
        entry.report = "本卦　乾为天\n变卦　天风姤\n";
        entry.castAt = 1'796'821'500;
        return entry;
    }

    static std::string Bytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path folder;
    std::filesystem::path file;
};
