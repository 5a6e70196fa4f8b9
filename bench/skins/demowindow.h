#pragma once
// A window made of every kind of standard control the skin engine draws,
// laid out like a dictionary window; used by the skin benchmark and the
// skin demo.
#include <QMainWindow>

QMainWindow *makeSkinDemoWindow(const QString &title);
