#pragma once
// The sections of an idiom description as the idiom panel lays them out:
// the description's parts between ";" separators, one paragraph each.
// Plain text logic, no widgets.

#include <QString>
#include <optional>

namespace cx::windows {

// The separator between the sections of a description.
inline constexpr QChar kSectionSeparator = QLatin1Char(';');
// How many sections the idiom panel shows, and what joins them.
inline constexpr int kDescriptionSections = 11;
inline const QString kSectionJoint = QStringLiteral("\r\r");

// text with separators before the first text character dropped and every run
// of separators made one, ending with exactly one separator; "" when text
// holds nothing but separators. "a;b" -> "a;b;", ";;a;;;b;;" -> "a;b;",
// "abc" -> "abc;".
//
// Works on UTF-16: the separator cannot be part of another character there,
// just as the separator byte cannot be the trail byte of a GBK character, so
// the sections are the same as on the GBK bytes and characters outside GBK
// stay intact.
QString CollapseSeparators(const QString &text, QChar sep);

// The text of work before its first separator; work loses everything up to
// and including that separator. Without a separator the result is empty and
// work stays as it is.
QString TakeField(QString &work, QChar sep);

// The caption of the section display for a description: its first eleven
// sections joined by kSectionJoint, empty sections included. Nothing for a
// description that is empty or made only of separators: the display then
// keeps what it shows.
std::optional<QString> DescriptionCaption(const QString &descript);

// The caption with its carriage returns as line breaks, for drawing.
QString CaptionLines(const QString &caption);

} // namespace cx::windows
