#include "windows/form9.h"

#include "app/application.h"
#include "app/boxes.h"
#include "widgets/flatbutton.h"
#include "widgets/flatpanel.h"
#include "widgets/glass.h"
#include "widgets/imagepanel.h"
#include "windows/windowlook.h"

#include <QAuthenticator>
#include <QWebEngineCertificateError>
#include <QWebEnginePage>

QString OnlineDictionaryAddress() { return QStringLiteral("http://www.zdic.net/search/?q=&c=2"); }

namespace cx::windows {

// The page of the browser: while the browser is silent every dialog the
// page asks for is answered as dismissed, without showing anything.
class SilentPage : public QWebEnginePage {
public:
    explicit SilentPage(TWebBrowser *browser) : QWebEnginePage(browser), browser_(browser)
    {
        connect(this, &QWebEnginePage::certificateError, this, [this](QWebEngineCertificateError error) {
            // Not deferred: the load fails as with any refused certificate.
            record(QStringLiteral("certificate: ") + error.description());
            error.rejectCertificate();
        });
        connect(this, &QWebEnginePage::authenticationRequired, this, [this](const QUrl &url, QAuthenticator *a) {
            record(QStringLiteral("login: ") + url.toString());
            *a = QAuthenticator(); // a null authenticator cancels the request
        });
        connect(this, &QWebEnginePage::proxyAuthenticationRequired, this,
                [this](const QUrl &, QAuthenticator *a, const QString &host) {
                    record(QStringLiteral("proxy login: ") + host);
                    *a = QAuthenticator();
                });
        connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl &origin, Feature f) {
            record(QStringLiteral("permission: ") + origin.toString());
            setFeaturePermission(origin, f, PermissionDeniedByUser);
        });
    }

protected:
    void javaScriptAlert(const QUrl &origin, const QString &msg) override
    {
        if (browser_->silent())
            record(QStringLiteral("alert: ") + msg);
        else
            QWebEnginePage::javaScriptAlert(origin, msg);
    }
    bool javaScriptConfirm(const QUrl &origin, const QString &msg) override
    {
        if (!browser_->silent())
            return QWebEnginePage::javaScriptConfirm(origin, msg);
        record(QStringLiteral("confirm: ") + msg);
        return false;
    }
    bool javaScriptPrompt(const QUrl &origin, const QString &msg, const QString &defaultValue, QString *result) override
    {
        if (!browser_->silent())
            return QWebEnginePage::javaScriptPrompt(origin, msg, defaultValue, result);
        record(QStringLiteral("prompt: ") + msg);
        return false;
    }
    QStringList chooseFiles(FileSelectionMode mode, const QStringList &oldFiles, const QStringList &types) override
    {
        if (!browser_->silent())
            return QWebEnginePage::chooseFiles(mode, oldFiles, types);
        record(QStringLiteral("files"));
        return {};
    }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message, int line,
                                  const QString &source) override
    {
        // Script errors of the page are its own affair.
        if (!browser_->silent())
            QWebEnginePage::javaScriptConsoleMessage(level, message, line, source);
    }

private:
    // The silent answers are kept for the record, never shown.
    void record(const QString &what) { browser_->suppressed_ << what; }

    TWebBrowser *browser_;
};

TWebBrowser::TWebBrowser(QWidget *parent) : QWebEngineView(parent) { setPage(new SilentPage(this)); }

void TWebBrowser::Navigate(const QString &address) { load(QUrl(address, QUrl::TolerantMode)); }

} // namespace cx::windows

namespace {

QImage picture(const char *name) { return QImage(QStringLiteral(":/pictures/") + QLatin1String(name)); }

} // namespace

TForm9::TForm9(QWidget *parent, const QString &startAddress) : QWidget(parent), startAddress_(startAddress)
{
    using cx::windows::pixelFont;
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("在线字典词典"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(650, 406);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    const QColor olive(0x3E, 0x3E, 0x00);
    FlatPanel1 = new cx::TFlatPanel(this);
    FlatPanel1->setObjectName(QStringLiteral("FlatPanel1"));
    FlatPanel1->setGeometry(0, 0, 650, 406);
    FlatPanel1->setColorBorder(olive);

    const QImage tile = picture("tile.png");
    ImagePanel2 = new cx::TImagePanel(FlatPanel1);
    ImagePanel2->setObjectName(QStringLiteral("ImagePanel2"));
    ImagePanel2->setAlign(cx::TImagePanel::alTop);
    ImagePanel2->setGeometry(2, 2, 646, 41);
    ImagePanel2->setPicture(tile);
    ImagePanel2->setDrawStyle(cx::TImagePanel::dsTile);
    ImagePanel2->setFont(pixelFont(QStringLiteral("隶书"), 27));
    cx::windows::setTextColour(ImagePanel2, olive);
    ImagePanel2->setCaption(QStringLiteral("澄心 - 在线辞海"));

    FlatButton1 = new cx::TFlatButton(ImagePanel2);
    FlatButton1->setObjectName(QStringLiteral("FlatButton1"));
    FlatButton1->setGeometry(613, 0, 33, 33);
    FlatButton1->setTransparent(cx::TFlatButton::tmAlways);
    FlatButton1->setTransBorder(true);
    FlatButton1->setGlyph(picture("glyph_close_24x24.png"));
    FlatButton1->setToolTip(QStringLiteral("关闭"));
    FlatButton1->setCursor(Qt::PointingHandCursor);

    ImagePanel1 = new cx::TImagePanel(FlatPanel1);
    ImagePanel1->setObjectName(QStringLiteral("ImagePanel1"));
    ImagePanel1->setAlign(cx::TImagePanel::alBottom);
    ImagePanel1->setGeometry(2, 371, 646, 33);
    ImagePanel1->setPicture(tile);
    ImagePanel1->setDrawStyle(cx::TImagePanel::dsTile);

    webbrowser1 = new cx::windows::TWebBrowser(FlatPanel1);
    webbrowser1->setObjectName(QStringLiteral("webbrowser1"));
    webbrowser1->setGeometry(2, 43, 646, 328);

    // Children of the window itself, above the panel and the browser.
    auto glass = [this](const char *name, QRect geometry) {
        auto *g = new cx::TGlass(this);
        g->setObjectName(QLatin1String(name));
        g->setGeometry(geometry);
        g->setColor(Qt::white);
        g->setCtl3D(false);
        g->raise();
        connect(g, &cx::TGlass::clicked, this, cx::app::handler([this] { gls1Click(); }));
        return g;
    };
    gls2 = glass("gls2", QRect(112, 58, 377, 43));
    gls1 = glass("gls1", QRect(88, 232, 377, 129));

    connect(FlatButton1, &cx::TFlatButton::clicked, this, cx::app::handler([this] { FlatButton1Click(); }));
}

void TForm9::FormCreate()
{
    webbrowser1->Navigate(startAddress_);
    webbrowser1->setSilent(true);
}

void TForm9::gls1Click() { cx::app::boxes().message(QStringLiteral("功能未启用-青石工作室")); }

void TForm9::FlatButton1Click() { close(); }

void TForm9::showEvent(QShowEvent *event)
{
    if (!placed_) {
        placed_ = true;
        cx::windows::placeOverMainWindow(this);
    }
    QWidget::showEvent(event);
}
