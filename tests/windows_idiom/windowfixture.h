#pragma once
#include "app/boxes.h"
#include "data/query.h"
#include "data/runquery.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

class QWidget;

namespace cx::test {

// Counts the splash going up and down, and whether it is up.
struct RecordingSplash : data::BusySplash {
    int shown = 0;
    int hidden = 0;
    bool up = false;
    void showNow() override
    {
        ++shown;
        up = true;
    }
    void hideNow() override
    {
        ++hidden;
        up = false;
    }
};

// The fixture stores in a temporary folder, the idiom and classical slots on
// them, scripted boxes and a recording splash.
struct WindowFixture : ::testing::Test {
    QTemporaryDir dir;
    QString dat;
    data::QuerySlot qry3, qry4;
    app::ScopedScriptedBoxes boxes;
    RecordingSplash splash;

    WindowFixture();
    ~WindowFixture() override;

    // Answers the next input box with reply (nothing: Cancel).
    void reply(std::optional<QString> text) { boxes.inputAnswers.push_back(std::move(text)); }
};

// Shows w and waits until it is on the screen.
void showAndWait(QWidget *w);

} // namespace cx::test
