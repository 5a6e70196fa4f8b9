#include "demowindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>

QMainWindow *makeSkinDemoWindow(const QString &title)
{
    auto *w = new QMainWindow;
    w->setWindowTitle(title);
    QMenu *file = w->menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->addAction(QStringLiteral("复制"));
    file->addAction(QStringLiteral("朗读"));
    file->addSeparator();
    file->addAction(QStringLiteral("退出"));
    QMenu *skins = w->menuBar()->addMenu(QStringLiteral("界面(&V)"));
    for (const char *name : {"春暖花开", "骄阳似火", "秋高气爽", "银装素裏", "蓝色妖姬"})
        skins->addAction(QString::fromUtf8(name));
    w->menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    QToolBar *tools = w->addToolBar(QStringLiteral("工具"));
    for (const char *name : {"汉字字典", "词语词典", "成语词典", "界面"})
        tools->addAction(QString::fromUtf8(name));

    auto *central = new QWidget;
    auto *grid = new QGridLayout(central);
    auto *search = new QLineEdit(QStringLiteral("心"));
    auto *kind = new QComboBox;
    kind->addItems({QStringLiteral("汉字"), QStringLiteral("词语"), QStringLiteral("成语")});
    auto *editable = new QComboBox;
    editable->setEditable(true);
    editable->addItems({QStringLiteral("拼音"), QStringLiteral("五笔")});
    grid->addWidget(new QLabel(QStringLiteral("查找：")), 0, 0);
    grid->addWidget(search, 0, 1);
    grid->addWidget(kind, 0, 2);
    grid->addWidget(editable, 0, 3);
    auto *go = new QPushButton(QStringLiteral("搜索"));
    go->setDefault(true);
    grid->addWidget(go, 0, 4);

    auto *table = new QTableWidget(40, 3);
    table->setHorizontalHeaderLabels({QStringLiteral("字"), QStringLiteral("拼音"), QStringLiteral("五笔")});
    const char *rows[][3] = {{"澄", "cheng", "IWGU"}, {"心", "xin", "NYNY"}, {"辞", "ci", "TDUH"}, {"苑", "yuan", "AQBB"}};
    for (int r = 0; r < 40; ++r)
        for (int c = 0; c < 3; ++c)
            table->setItem(r, c, new QTableWidgetItem(QString::fromUtf8(rows[r % 4][c])));
    table->horizontalHeader()->setStretchLastSection(true);
    grid->addWidget(table, 1, 0, 3, 3);

    auto *tabs = new QTabWidget;
    auto *explain = new QTextEdit(QStringLiteral("【释义】水静而清。引申为清明、清澈。\n").repeated(12));
    tabs->addTab(explain, QStringLiteral("释义"));
    tabs->addTab(new QWidget, QStringLiteral("例句"));
    tabs->addTab(new QWidget, QStringLiteral("出处"));
    grid->addWidget(tabs, 1, 3, 1, 2);

    auto *options = new QGroupBox(QStringLiteral("查询方式"));
    auto *og = new QGridLayout(options);
    auto *exact = new QRadioButton(QStringLiteral("精确"));
    exact->setChecked(true);
    og->addWidget(exact, 0, 0);
    og->addWidget(new QRadioButton(QStringLiteral("模糊")), 0, 1);
    auto *speak = new QCheckBox(QStringLiteral("朗读"));
    speak->setChecked(true);
    og->addWidget(speak, 1, 0);
    og->addWidget(new QCheckBox(QStringLiteral("繁体")), 1, 1);
    auto *off = new QPushButton(QStringLiteral("停用"));
    off->setEnabled(false);
    og->addWidget(off, 2, 0);
    og->addWidget(new QPushButton(QStringLiteral("复制")), 2, 1);
    grid->addWidget(options, 2, 3, 1, 2);

    auto *progress = new QProgressBar;
    progress->setValue(65);
    grid->addWidget(progress, 3, 3, 1, 2);
    w->setCentralWidget(central);
    w->statusBar()->showMessage(QStringLiteral("共 40 条"));
    w->resize(640, 460);
    return w;
}
