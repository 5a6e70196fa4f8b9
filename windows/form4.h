#pragma once
#include "data/query.h"
#include "windows/dbcontrols.h"

#include <QLabel>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QPlainTextEdit;

namespace cx {
class TFlatPanel;
class TLumoButton;
} // namespace cx
namespace cx::app {
class ApplicationEvents;
}

namespace cx::windows {

// A label whose caption keeps carriage returns as its line breaks (what the
// window writes and reads back) and shows them as lines; it reports clicks.
class TCaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit TCaptionLabel(QWidget *parent = nullptr);
    const QString &caption() const { return caption_; }
    void setCaption(const QString &caption);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString caption_;
};

// How long the pointer rests before a hint shows and how long it stays,
// in milliseconds; one setting for the whole run.
struct HintTiming {
    int pause = 500;
    int hidePause = 2500;
};
HintTiming &applicationHintTiming();

} // namespace cx::windows

// The introductions shown on the saying and riddle panels, one paragraph
// each, every paragraph beginning with its indent.
QStringList SayingIntroduction(); // 7 paragraphs
QStringList RiddleIntroduction(); // 11 paragraphs

// The idiom, saying and riddle window: three stacked panels over the idiom
// slot, one visible at a time (idioms flatpanel3, sayings flatpanel4,
// riddles flatpanel2), with the five searches of the collections, the
// sections of the current idiom's description, the riddle grid's row hints
// and the two cycling introductions. Borderless, 721 x 425; closing hides it.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(cx::data::QuerySlot &qry3, QWidget *parent = nullptr);
    ~TForm4() override;

    cx::data::QuerySlot &qry3;

    // Idiom panel.
    cx::TFlatPanel *flatpanel3, *flatpanel5;
    cx::TLumoButton *LumoButton4, *LumoButton3;
    cx::windows::TDBGrid *dbgrd2;
    cx::windows::TDBText *DBText1;
    cx::windows::TCaptionLabel *label9;
    cx::windows::TDBMemo *dbmemodescript1;
    // Saying panel.
    cx::TFlatPanel *flatpanel4, *flatpanel6;
    cx::TLumoButton *LumoButton5, *LumoButton6;
    cx::windows::TDBGrid *dbgrd3;
    cx::windows::TDBText *dbtextkeyword1, *dbtextdescript1;
    cx::windows::TCaptionLabel *label5;
    QPlainTextEdit *memo2;
    // Riddle panel.
    cx::TFlatPanel *flatpanel2, *flatpanel7;
    cx::TLumoButton *LumoButton2, *LumoButton8, *LumoButton9, *LumoButton7, *LumoButton10;
    cx::windows::TDBGrid *dbgrd1;
    cx::windows::TDBText *dbtextkeyword, *dbtextphonetic, *dbtextdescript;
    cx::windows::TCaptionLabel *label8;
    QPlainTextEdit *memo3;

    cx::app::ApplicationEvents *ApplicationEvents1;

    // Creation: both introductions back to their first paragraph.
    void FormCreate();

    void LumoButton4Click(); // idiom search
    void LumoButton5Click(); // saying search
    void LumoButton2Click(); // riddles by riddle text
    void LumoButton8Click(); // riddles by category
    void LumoButton9Click(); // riddles by answer
    void LumoButton3Click(); // every "退出返回": hides the window
    void LumoButton7Click(); // "下一条": next riddle paragraph
    void label5Click();      // next saying paragraph
    void dbgrd2CellClick(const QModelIndex &cell);
    void dbgrd1CellClick(const QModelIndex &cell);
    void dbmemodescript1Change();
    bool ApplicationEvents1Message(QObject *target, QEvent *event);

    // The window hint text, set by a cell click in the idiom or riddle grid;
    // lines are separated by one carriage return.
    const QString &hintText() const { return hint_; }
    int sayingIndex() const { return sayingIndex_; }
    int riddleIndex() const { return riddleIndex_; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildIdiomPanel();
    void buildSayingPanel();
    void buildRiddlePanel();
    void showPanel(cx::TFlatPanel *panel);
    void showRiddleHint();

    QString hint_;
    int sayingIndex_ = 0;
    int riddleIndex_ = 0;
    QTimer hintTimer_;
    bool placed_ = false;
};
