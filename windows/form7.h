#pragma once
#include "data/query.h"

#include <QMainWindow>
#include <QRect>
#include <vector>

class QLabel;
class QMenu;
class QMenuBar;
class QAction;

namespace cx {
class TFlatPanel;
class TGradProgress;
class TImagePanel;
class TLumoButton;
} // namespace cx
namespace cx::skins {
class TSkinEngine;
}

// Where the main window's controls go for a client area of `client`: the
// bars and bands keep their heights and stretch across, the picture area
// takes the rest, and the banner keeps its centre at the same relative place.
struct MainLayout {
    QRect gradProgress2, flatpanel2, gradProgress3, smgpnl2, img14;
    QRect gradProgress4, flatpanel5, gradProgress1, gradProgress5, smgpnl1;
};
MainLayout mainLayout(QSize client);
// The banner's place inside a picture area of `area`, designed as 164, 91,
// 545 x 263 in 885 x 450.
QRect bannerRect(QSize area);
// The frame of the maximised main window on a screen of `screen`: the
// screen's width by its height less 30, at 0, 0.
QRect maximisedFrame(QSize screen);
// Where the skin menu opens for the pointer at `pointer`.
QPoint skinMenuPosition(QPoint pointer);

// Contact and upgrade addresses of the confirmed actions.
QString contactMailUrl();
QString upgradeSiteUrl();
// The speech-engine installer beside the executable.
QString speechInstallerPath(const QString &executablePath);

// The main window: toolbar and menus open the collections, run each one's
// first statement on its slot and show the target window; it owns the four
// query slots every dictionary window binds to and the skin component.
// Closing it ends the program.
class TForm7 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);
    ~TForm7() override;

    // The shared data: qry1 characters, qry2 words, qry3 idioms, sayings and
    // riddles, qry4 classical words and antonyms; dsN is qryN's data source.
    cx::data::QuerySlot qry1, qry2, qry3, qry4;
    cx::data::DataSource &ds1, &ds2, &ds3, &ds4;
    cx::skins::TSkinEngine *skndt1;

    cx::TGradProgress *GradProgress2, *GradProgress3, *GradProgress4, *GradProgress1, *GradProgress5;
    cx::TFlatPanel *flatpanel2, *flatpanel5;
    cx::TImagePanel *smgpnl2, *smgpnl1;
    QLabel *img14;
    QLabel *img1, *img7, *img6, *img5;
    cx::TLumoButton *LumoButton1, *LumoButton2, *LumoButton3, *LumoButton4, *LumoButton5, *LumoButton6,
        *LumoButton7, *LumoButton8, *LumoButton9, *LumoButton10, *LumoButton11;

    QMenuBar *mm1;
    QMenu *y1, *N8, *N11, *N12;
    QAction *N13, *N14, *N15, *N16, *N17, *N18, *N19, *N20, *N21, *N22, *N23, *N24, *N25, *N30;
    QMenu *popupmenu1;
    QAction *N1, *N2, *N3, *N4, *N10;

    // Collection actions.
    void LumoButton1Click();  // word dictionary window
    void LumoButton2Click();  // characters: S1 on qry1 behind the splash
    void LumoButton3Click();  // riddles: S2 on qry3
    void LumoButton4Click();  // idioms: S3 on qry3
    void LumoButton5Click();  // sayings: S4 on qry3
    void LumoButton6Click();  // classical words: S5 on qry4
    void LumoButton7Click();  // antonyms: S6 on qry4
    void LumoButton9Click();  // online dictionary window
    void LumoButton10Click(); // stroke-order window
    // Confirmed actions and menus.
    void LumoButton11Click(); // contact by mail
    void LumoButton8Click();  // skin menu
    void N13Click();
    void N23Click(); // speech-engine installer
    void N24Click(); // upgrade site
    void N25Click(); // contact by mail
    void N30Click(); // exit
    void N1Click();
    void N2Click();
    void N3Click();
    void N4Click();
    void N10Click();
    // The bottom strip opens the statistics panel.
    void smgpnl1Click();

    // Sets the size limit that makes a maximised window cover the screen
    // but its bottom 30 pixels.
    void WMGetMinMaxInfo();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolbar();
    void buildMenus();
    void placeControls();

    QWidget *client_;
    bool screenWatched_ = false;
};
