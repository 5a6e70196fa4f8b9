#pragma once
#include <QString>
#include <QWebEngineView>
#include <QWidget>

namespace cx {
class TFlatButton;
class TFlatPanel;
class TGlass;
class TImagePanel;
} // namespace cx

// The start address of the online dictionary: its search page with an
// empty query.
QString OnlineDictionaryAddress();

namespace cx::windows {

// The embedded browser. Silent: the page never opens a dialog of its own
// (script alerts, confirmations and prompts, file choosers, certificate or
// login prompts, permission requests); each is answered as if dismissed.
class TWebBrowser : public QWebEngineView {
    Q_OBJECT
    Q_PROPERTY(bool Silent READ silent WRITE setSilent)
public:
    explicit TWebBrowser(QWidget *parent = nullptr);

    void Navigate(const QString &address);
    bool silent() const { return silent_; }
    void setSilent(bool value) { silent_ = value; }

    // Dialogs the page asked for while silent, for the record ("alert: …").
    const QStringList &suppressed() const { return suppressed_; }

private:
    friend class SilentPage;
    bool silent_ = false;
    QStringList suppressed_;
};

} // namespace cx::windows

// The online dictionary window: a borderless frame with a title bar and a
// bottom bar around a browser showing the dictionary's search page. Two
// see-through panes over parts of the page take the clicks there and say
// that the function is not available.
class TForm9 : public QWidget {
    Q_OBJECT
public:
    explicit TForm9(QWidget *parent = nullptr, const QString &startAddress = OnlineDictionaryAddress());

    cx::TFlatPanel *FlatPanel1;
    cx::TImagePanel *ImagePanel2;
    cx::TFlatButton *FlatButton1;
    cx::TImagePanel *ImagePanel1;
    cx::windows::TWebBrowser *webbrowser1;
    cx::TGlass *gls2;
    cx::TGlass *gls1;

    // Creation: the browser goes to the start address and is made silent.
    void FormCreate();
    void gls1Click();
    void FlatButton1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString startAddress_;
    bool placed_ = false;
};
