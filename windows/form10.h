#pragma once
#include "data/query.h"

#include <QString>
#include <QWidget>

class QLineEdit;
class QPushButton;

namespace cx {
class TGradProgress;
}
namespace cx::player {
class TStrokePlayer;
}
namespace cx::windows {
class TDBEdit;
class TDBGrid;
} // namespace cx::windows

// Where the stroke-order movies are served; a movie's address is this
// followed directly by its name.
QString StrokeMovieBaseAddress();
// The movie address of a stroke-order record: the base address and `hm`
// exactly as the store holds it (nothing inserted, escaped or trimmed).
QString StrokeMovieAddress(const QString &baseAddress, const QString &hm);
// The search over hzbs for the characters of `chars` (already filtered to
// double-byte characters): every row whose hz is one of them.
QString StrokeSearchStatement(const QString &chars);

// The stroke-order window: a list of characters and the player showing how
// the selected one is written, with a thin bar showing the movie's loading
// progress. It has its own query on the stroke-order store.
class TForm10 : public QWidget {
    Q_OBJECT
public:
    // baseAddress: where the movies are fetched from when not in dat/hzbs/;
    // movieFolder: where they are looked for first.
    explicit TForm10(QWidget *parent = nullptr, const QString &baseAddress = StrokeMovieBaseAddress(),
                     const QString &movieFolder = QStringLiteral("dat/hzbs"));

    cx::data::Query ADOQuery1;
    cx::data::DataSource DataSource1;

    cx::TGradProgress *GradProgress1;
    QLineEdit *Edit1;
    QPushButton *Button1;
    cx::windows::TDBEdit *DBEdit1; // hm, hidden
    cx::windows::TDBEdit *DBEdit2; // hz, hidden
    cx::windows::TDBGrid *dbgrd1;
    cx::player::TStrokePlayer *ShockwaveFlash1;

    // Creation: the stroke-order store, S7, the first character's movie.
    void FormCreate();
    void dbgrd1CellClick();
    void Button1Click();
    void ShockwaveFlash1Progress(int percentDone);
    void ShockwaveFlash1ReadyStateChange(int newState);
    void ShockwaveFlash1FSCommand(const QString &command, const QString &args);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadCurrentMovie();

    QString baseAddress_;
    bool placed_ = false;
};
