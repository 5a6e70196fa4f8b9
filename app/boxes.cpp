#include "app/boxes.h"

#include "text/gbk.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace cx::app {
namespace {

int runCentred(QDialog &box)
{
    // A message box settles its size when it is shown, so it is placed after
    // that, before its loop starts.
    box.show();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        box.move(screen->geometry().center() - QPoint(box.width() / 2, box.height() / 2));
    return box.exec();
}

// Texts carry Windows line breaks; the box wants plain ones.
QString lines(const QString &text)
{
    QString t = text;
    return t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void plainBox(QMessageBox::Icon icon, const QString &caption, const QString &text)
{
    QMessageBox box(icon, caption, lines(text), QMessageBox::Ok);
    runCentred(box);
}

// The on-screen boxes.
class ScreenBoxes final : public Boxes {
public:
    void message(const QString &text) override { plainBox(QMessageBox::NoIcon, applicationTitle(), text); }
    void error(const QString &text) override { plainBox(QMessageBox::Critical, applicationTitle(), text); }
    void fatal(const QString &text) override
    {
        plainBox(QMessageBox::Critical, QStringLiteral("Application Error"), text);
    }

    bool confirm(const QString &question) override
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), lines(question));
        QPushButton *yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
        QPushButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        runCentred(box);
        return box.clickedButton() == yes;
    }

    std::optional<QString> input(const QString &caption, const QString &prompt, const QString &initial) override
    {
        QDialog box;
        box.setWindowTitle(caption);
        auto *layout = new QVBoxLayout(&box);
        layout->addWidget(new QLabel(prompt, &box));
        auto *edit = new QLineEdit(clipToGbkLimit(initial), &box);
        edit->setMinimumWidth(260);
        // The limit is in GBK bytes, not characters: a typed or pasted text
        // that goes past it is cut at the last whole character.
        QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
            const QString clipped = clipToGbkLimit(text);
            if (clipped != text)
                edit->setText(clipped);
        });
        layout->addWidget(edit);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
        layout->addWidget(buttons);
        edit->selectAll();
        if (runCentred(box) != QDialog::Accepted)
            return std::nullopt;
        return edit->text();
    }
};

ScreenBoxes g_screenBoxes;
Boxes *g_boxes = nullptr;

} // namespace

QString applicationTitle() { return QStringLiteral("澄心辞苑"); }

Boxes &boxes() { return g_boxes ? *g_boxes : g_screenBoxes; }
void setBoxes(Boxes *service) { g_boxes = service; }

QString clipToGbkLimit(const QString &text)
{
    if (text::gbkLength(text) <= std::size_t(kInputMaxGbkBytes))
        return text;
    QString out;
    std::size_t bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        // A surrogate pair is one character.
        const qsizetype n = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QString ch = text.mid(i, n);
        const std::size_t len = text::gbkLength(ch);
        if (bytes + len > std::size_t(kInputMaxGbkBytes))
            break;
        bytes += len;
        out += ch;
        i += n;
    }
    return out;
}

void ScriptedBoxes::record(const QString &line) { transcript << line; }

void ScriptedBoxes::message(const QString &text) { record(QStringLiteral("message: ") + text); }
void ScriptedBoxes::error(const QString &text) { record(QStringLiteral("error: ") + text); }
void ScriptedBoxes::fatal(const QString &text) { record(QStringLiteral("fatal: ") + text); }

bool ScriptedBoxes::confirm(const QString &question)
{
    record(QStringLiteral("confirm: ") + question);
    if (confirmAnswers.empty())
        return false;
    const bool yes = confirmAnswers.front();
    confirmAnswers.pop_front();
    return yes;
}

std::optional<QString> ScriptedBoxes::input(const QString &caption, const QString &prompt, const QString &)
{
    record(QStringLiteral("input: ") + caption + QStringLiteral(" | ") + prompt);
    if (inputAnswers.empty())
        return std::nullopt;
    std::optional<QString> reply = inputAnswers.front();
    inputAnswers.pop_front();
    if (reply)
        reply = clipToGbkLimit(*reply);
    return reply;
}

} // namespace cx::app
