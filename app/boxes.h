#pragma once
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

namespace cx::app {

// The application title: the taskbar text and the caption of every plain
// message box and error box.
QString applicationTitle();

// The standard boxes, all centred on the screen, reached through one
// service so that tests (and the start-up trace) can answer them.
class Boxes {
public:
    virtual ~Boxes() = default;
    // Information: caption the application title, one OK button.
    virtual void message(const QString &text) = 0;
    // An error that escaped a handler or a creation step: the standard error
    // box (caption the application title, error icon, OK).
    virtual void error(const QString &text) = 0;
    // Caption "Confirm", question icon, "&Yes" (default) and "&No" (also
    // Escape). True only for Yes.
    virtual bool confirm(const QString &question) = 0;
    // One edit of at most 255 GBK bytes, OK and Cancel; nothing on Cancel.
    virtual std::optional<QString> input(const QString &caption, const QString &prompt,
                                         const QString &initial) = 0;
    // The fatal start-up error: caption "Application Error", then the
    // process ends with exit code 1.
    virtual void fatal(const QString &text) = 0;
};

// The service in use: the on-screen boxes unless another one was set.
Boxes &boxes();
// Replaces the service (nullptr restores the on-screen boxes); the caller
// keeps ownership.
void setBoxes(Boxes *service);

// Longest input accepted, in GBK bytes.
inline constexpr int kInputMaxGbkBytes = 255;
// text cut at the last whole character that fits in kInputMaxGbkBytes.
QString clipToGbkLimit(const QString &text);

// Answers boxes from a script and keeps a transcript, for tests and for the
// start-up trace. Lines: "message: …", "error: …", "confirm: …",
// "input: caption | prompt", "fatal: …". Confirmations take the next queued
// answer (No when none is left); inputs the next queued reply (Cancel when
// none is left), clipped like the on-screen edit.
class ScriptedBoxes : public Boxes {
public:
    void message(const QString &text) override;
    void error(const QString &text) override;
    bool confirm(const QString &question) override;
    std::optional<QString> input(const QString &caption, const QString &prompt, const QString &initial) override;
    void fatal(const QString &text) override;

    std::deque<bool> confirmAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    QStringList transcript;

protected:
    virtual void record(const QString &line);
};

// Installs a ScriptedBoxes for as long as it lives (tests).
class ScopedScriptedBoxes : public ScriptedBoxes {
public:
    ScopedScriptedBoxes() { setBoxes(this); }
    ~ScopedScriptedBoxes() override { setBoxes(nullptr); }
};

} // namespace cx::app
