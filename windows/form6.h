#pragma once
#include "data/query.h"
#include "windows/dbcontrols.h"

#include <QWidget>

namespace cx {
class TFlatButton;
class TFlatPanel;
class TImagePanel;
class TLumoButton;
} // namespace cx
namespace cx::app {
class ApplicationEvents;
}

// The searches of the classical glossary and of the antonym dictionary: rows
// whose word or whose explanation (the antonyms) contains text.
QString ClassicalWordSearch(const QString &text);
QString AntonymSearch(const QString &text);

// The classical-word and antonym window: a title bar whose caption names the
// collection, a bottom bar, and two panels over the classical slot, one
// visible at a time (classical words flatpanel1, antonyms flatpanel2), each
// with its grid, a search and a return button. Borderless, 643 x 396;
// closing hides it.
class TForm6 : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(cx::data::QuerySlot &qry4, QWidget *parent = nullptr);
    ~TForm6() override;

    cx::data::QuerySlot &qry4;

    cx::TFlatPanel *FlatPanel3;
    cx::TImagePanel *ImagePanel1, *ImagePanel2;
    cx::TFlatButton *FlatButton1;
    cx::TFlatPanel *flatpanel1, *flatpanel2;
    cx::TLumoButton *LumoButton3, *LumoButton4, *LumoButton2, *LumoButton1;
    cx::windows::TDBGrid *dbgrd1, *dbgrd2;
    cx::app::ApplicationEvents *ApplicationEvents1;

    void FlatButton1Click(); // close
    void LumoButton1Click(); // close (antonym panel)
    void LumoButton4Click(); // close (classical panel)
    void LumoButton3Click(); // classical-word search
    void LumoButton2Click(); // antonym search
    bool ApplicationEvents1Message(QObject *target, QEvent *event);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool placed_ = false;
};
