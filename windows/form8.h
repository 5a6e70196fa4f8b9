#pragma once
#include <QString>
#include <QWidget>
#include <vector>

class QLabel;
class QPushButton;

// The size of one collection as the statistics panel shows it.
struct CollectionCount {
    QString caption; // "成语"
    QString unit;    // "条"
    int count = -1;  // -1 when the store could not be read
    QString error;   // why, when count is -1
    QString text() const; // "成语50266条", or the caption with "无法读取"
};

// Counts the rows of every collection in the stores under dat/ of the
// working directory (the same relative paths the query slots use). Each
// store is opened once, shared, so a slot that holds it is not disturbed;
// a store that cannot be read gives its collections count -1.
std::vector<CollectionCount> CountCollections();

// The collection-statistics panel: borderless, 672 x 366, a banner above
// and below a tiled panel that lists the size of every collection, read from
// the stores the first time it is shown. A press on the banners or the panel
// drags it; "关闭" or Escape hides it.
class TForm8 : public QWidget {
    Q_OBJECT
public:
    explicit TForm8(QWidget *parent = nullptr);

    QLabel *img1;
    QWidget *smgpnl1;
    QLabel *img2;
    QPushButton *btnClose;
    std::vector<QLabel *> countLabels;

    // Reads the counts now (behind the busy splash) and shows them.
    void refreshCounts();
    void smgpnl1MouseDown();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool counted_ = false;
    bool placed_ = false;
};
