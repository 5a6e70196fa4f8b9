#pragma once
#include "data/runquery.h"

#include <QWidget>

class QLabel;

// The busy splash: one picture telling that data is being read, shown and
// painted at once before work that blocks the event loop (start-up and
// RunQuery behind the splash), hidden after it. Borderless, 182 x 237,
// centred on the desktop when first shown and left where it is afterwards;
// a press on the picture drags it.
class TForm2 : public QWidget, public cx::data::BusySplash {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    void showNow() override;
    void hideNow() override;

    QLabel *Image1;

    void Image1MouseDown();

private:
    bool placed_ = false;
};
