#pragma once
#include "data/query.h"

#include <QString>
#include <QWidget>
#include <optional>

class QLabel;

namespace cx {
class TFlatButton;
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

// The clipboard text of a character entry: the character, two blanks and
// its traditional form; the radical and pinyin; the explanation; the three
// parts joined by "\r\n\r\n" with nothing after the last.
QString characterEntryText(const QString &name, const QString &oldname, const QString &part, const QString &spell,
                           const QString &content);

// The statement of the character search for what the user typed, or none
// when there is nothing to search for. Characters (simplified or
// traditional) find themselves; a pinyin syllable finds its characters with
// or without tone (marks such as mǎ, a tone digit as ma3, or no tone; v
// stands for ü); up to four letters also find the characters of that Wubi
// code.
std::optional<QString> characterSearchStatement(const QString &input);

// The character dictionary: the character list of qry1 on the left, the
// current character large with its traditional form, radical, Wubi code and
// pinyin (each of the four looks up every character sharing it) and its
// explanation. Copies the entry and reads the character aloud.
class TForm5 : public QWidget {
    Q_OBJECT
public:
    explicit TForm5(cx::data::QuerySlot &qry1, QWidget *parent = nullptr);
    ~TForm5() override;

    cx::TFlatPanel *flatpanel5, *flatpanel4, *flatpanel1;
    cx::windows::TDBGrid *dbgrd1;
    cx::windows::TDBText *dbtextname, *dbtextoldname, *dbtextpart, *dbtextwbcode, *dbtextspell;
    QLabel *label2, *label4, *label5, *label3, *lbl1;
    cx::TFlatButton *FlatButton3, *FlatButton2, *FlatButton1, *FlatButton4;
    cx::TLumoButton *LumoButton22;
    QLabel *img1;
    cx::windows::TDBMemo *dbmemocontent;
    cx::speech::TSpVoice *spvoice1;
    cx::app::ApplicationEvents *ApplicationEvents1;

    // Attribute look-ups: every character sharing the clicked value.
    void dbtextoldnameClick();
    void dbtextpartClick();
    void dbtextwbcodeClick();
    void dbtextspellClick();
    void FlatButton3Click(); // search
    void FlatButton2Click(); // copy
    void FlatButton1Click(); // speak
    void LumoButton22Click(); // speak
    void FlatButton4Click(); // close
    void img1MouseDown();
    bool ApplicationEvents1Message(QObject *target, QEvent *event);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lookup(cx::windows::TDBText *label, QString (*statement)(const QString &));
    void speak();

    cx::data::QuerySlot &qry1_;
    bool placed_ = false;
};
