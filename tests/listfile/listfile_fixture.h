#pragma once

#include "listfile/font_log.h"
#include "listfile/list_reader.h"
#include "store/card_store.h"
#include "store/font_description.h"
#include "tests/support/notice_recorder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// The fonts of the example list file: "MS Sans Serif", bold for questions.
inline FontDescription exampleFont(int32_t weight) {
    FontDescription font;
    font.weight = weight;
    font.outPrecision = 3;
    font.clipPrecision = 2;
    font.quality = 1;
    font.pitchAndFamily = 34;
    assignText(font.faceName, "MS Sans Serif");
    return font;
}

inline std::string fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void putFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline fs::path testData(const char* name) {
    const char* dir = std::getenv("ZELKORA_TEST_DATA");
    return fs::path(dir ? dir : "tests/data") / name;
}

inline std::string repeat(std::string_view text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

struct CardText {
    std::string question, answer, lesson, additionalInfo;
    int32_t level, id;
    bool operator==(const CardText&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const CardText& c) {
    return os << '{' << c.question << '|' << c.answer << '|' << c.lesson << '|' << c.additionalInfo
              << '|' << c.level << '|' << c.id << '}';
}

inline std::vector<CardText> cardsOf(const CardList& list) {
    std::vector<CardText> result;
    list.forEach([&](const Card* c) {
        result.push_back({std::string(c->question()), std::string(c->answer()),
                          std::string(c->lesson()), std::string(c->additionalInfo()), c->level,
                          c->id});
    });
    return result;
}

// Every test starts like the program (empty lists, ids from 0) in a fresh temporary folder that
// is also the current directory, so the font debug log lands there.
class ListFileTest : public testing::Test {
protected:
    void SetUp() override {
        resetCardStore();
        resetFontLogEntryNumber();
        setFontLogTimeForTests([] { return LocalTime{3, 14, 9, 5, 7}; });
        previousDir_ = fs::current_path();
        dir_ = fs::temp_directory_path() /
               ("zelkora-listfile-" + std::to_string(getpid()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }
    void TearDown() override {
        EXPECT_TRUE(notices.entries.empty()) << "the file layer showed a message itself";
        fs::current_path(previousDir_);
        fs::remove_all(dir_);
        setFontLogTimeForTests(nullptr);
        resetCardStore();
    }

    std::string path(const char* name) const { return (dir_ / name).string(); }

    // Reads the bytes as a list file and records the fonts handed over and the result.
    FileInfo readBytes(const std::string& bytes) {
        FileInfo info;
        lastResult = readListBytes(mainList, bytes, info, recordFonts());
        return info;
    }
    FontRestore recordFonts() {
        return [this](const FontDescription& q, const FontDescription& a) {
            restoredFonts.push_back(q);
            restoredFonts.push_back(a);
        };
    }

    std::vector<FontDescription> restoredFonts;
    FileResult lastResult;
    NoticeRecorder notices; // the file layer shows nothing: a box fails the test

private:
    fs::path previousDir_;
    fs::path dir_;
};
