#pragma once
#include <QString>

// Every statement whose text is fixed, as the windows send it. {text} is the
// filtered search text, {value} the trimmed value of a field display.
namespace cx::data::statements {

// A text literal for a statement: in double quotes, a double quote inside
// doubled, so that no value can end the literal early.
QString literal(const QString &value);

QString S1();  // first characters: hzlib rows 201–299
QString S2();  // first riddles
QString S3();  // first idioms
QString S4();  // first sayings
QString S5();  // all classical words
QString S6();  // all antonyms
QString S7();  // every stroke-order movie
QString S8(const QString &text);  // idioms containing text
QString S9(const QString &text);  // sayings whose first or second part contains text
QString S10(const QString &text); // riddles by riddle text
QString S11(const QString &text); // riddles by category
QString S12(const QString &text); // riddles by answer
QString S13(const QString &value); // characters of a radical
QString S14(const QString &value); // characters of a pinyin
QString S15(const QString &value); // characters of a Wubi code
QString S16(const QString &value); // characters of a traditional form

} // namespace cx::data::statements
