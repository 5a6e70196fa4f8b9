#pragma once
// The window set: one global instance per window class, created once at
// start-up in a fixed order (app/windowset.cpp) and kept until the event
// loop ends. A window unit that needs another window's members includes that
// window's header and uses its instance; code that only shows a window or
// reaches a named control of it goes through the registry below, which also
// holds windows whose unit it does not know.

#include <QString>

class QWidget;

class TForm1;  // word dictionary
class TForm2;  // busy splash
class TForm4;  // idioms, sayings and riddles
class TForm5;  // character dictionary
class TForm6;  // classical words and antonyms
class TForm7;  // main window
class TForm8;  // collection statistics
class TForm9;  // online dictionary
class TForm10; // stroke order

extern TForm1 *Form1;
extern TForm2 *Form2;
extern TForm4 *Form4;
extern TForm5 *Form5;
extern TForm6 *Form6;
extern TForm7 *Form7;
extern TForm8 *Form8;
extern TForm9 *Form9;
extern TForm10 *Form10;

namespace cx::app {

// Records window under its class name ("TForm4"); the start-up routine does
// this for every window it creates. Passing nullptr forgets the name.
void registerWindow(const QString &className, QWidget *window);
// The window of that class, or nullptr while none was created (a window
// whose unit has not joined the window set yet).
QWidget *window(const QString &className);
// A control of a registered window by its object name, or nullptr.
QWidget *control(const QString &className, const QString &objectName);

// Shows a window the way the main window opens its targets: visible and in
// front, not modal.
void showWindow(QWidget *window);

} // namespace cx::app
