#pragma once
#include "data/query.h"

#include <QString>
#include <QWidget>

class QLabel;

namespace cx {
class TFlatPanel;
class TLumoButton;
namespace app {
class ApplicationEvents;
}
namespace speech {
class TSpVoice;
}
namespace windows {
class TDBGrid;
class TDBMemo;
class TDBText;
} // namespace windows
} // namespace cx

// The first selection of the word window: the 199 most frequent words.
QString firstWordsStatement();
// Every word containing text (already filtered to double-byte characters).
QString wordSearchStatement(const QString &text);

// The clipboard text of a word entry: nine lines, each ended by "\r\n".
QString wordEntryText(const QString &word, const QString &spell, const QString &wubi, const QString &ord,
                      const QString &content);

// The word as it is read aloud: every "." becomes "。".
QString spokenWord(const QString &word);

// The pinyin shown for a word without stored pinyin: its computed codes with
// ASCII capitals made small; other characters are kept.
QString computedPinyin(const QString &word);
// The Wubi codes shown for every word, capitals, one code per character.
QString computedWubi(const QString &word);

// The word dictionary: the word list of qry2 on the left and, for the
// current word, its pinyin (computed where none is stored), its Wubi codes
// (always computed), its traditional form and its explanation. Copies the
// entry and reads the word aloud.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(cx::data::QuerySlot &qry2, QWidget *parent = nullptr);
    ~TForm1() override;

    cx::TFlatPanel *flatpanel2, *flatpanel6, *flatpanel3;
    cx::TLumoButton *LumoButton4, *LumoButton5, *LumoButton1, *LumoButton2;
    QLabel *img1, *Image1;
    cx::windows::TDBGrid *DBGrid1;
    QLabel *label9, *label2, *label3, *label7, *label8;
    cx::windows::TDBText *dbtextword, *dbtextspell, *dbtextord;
    QLabel *label4, *label5, *label6;
    cx::windows::TDBMemo *dbmemocontent;
    cx::speech::TSpVoice *spvoice1;
    cx::app::ApplicationEvents *ApplicationEvents1;

    // The data-change event of the word slot: recomputes the pinyin and Wubi rows.
    void ds2DataChange();
    void dbmemocontentChange();
    void LumoButton1Click(); // speak
    void LumoButton2Click(); // copy
    void LumoButton4Click(); // search
    void LumoButton5Click(); // close
    void flatpanel2MouseDown();
    bool ApplicationEvents1Message(QObject *target, QEvent *event);

    // Runs the first selection on qry2 unless it already holds one.
    void ensureFirstSelection();

protected:
    void showEvent(QShowEvent *event) override;

private:
    cx::data::QuerySlot &qry2_;
    bool placed_ = false;
};
