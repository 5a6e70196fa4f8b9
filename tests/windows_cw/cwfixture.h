#pragma once
#include "app/boxes.h"
#include "data/query.h"
#include "data/runquery.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace cw {

// Counts the splash going up and down.
struct CountingSplash : cx::data::BusySplash {
    int shown = 0, hidden = 0;
    void showNow() override { ++shown; }
    void hideNow() override { ++hidden; }
};

// The words of the word store the word window is tested on, by ID.
struct WordRow {
    const char *id, *word, *spell, *ord, *content; // nullptr: a null field
};
inline constexpr WordRow kWords[] = {
    {"1", "汉语", "hàn yǔ", "漢語", "汉族的语言。"},
    {"2", "马车", nullptr, "馬車", "马拉的车。"},
    {"3", "卡拉OK", "", "卡拉OK", "一种娱乐方式。"},
    {"4", "", nullptr, "", "没有词目的一行。"},
    {"5", "中国", "zhōng guó", "中國", nullptr},
    {"6", "No.1", "", "No.1", "第一名。"},
    {"250", "守株待兔", "shǒu zhū dài tù", "守株待兔", "比喻死守经验。"},
};
inline constexpr int kFirstWords = 6; // ID 1..199

// The fixture stores in a temporary working directory, the word store
// holding kWords in its word table; qry1 and qry2 carry their connection
// strings as start-up gives them, the boxes are scripted and the splash
// counted.
struct CwStores : ::testing::Test {
    QTemporaryDir dir;
    QString oldCwd;
    cx::app::ScopedScriptedBoxes boxes;
    CountingSplash splash;
    cx::data::QuerySlot qry1, qry2;

    void SetUp() override;
    void TearDown() override;
};

} // namespace cw
