#pragma once
// Cleaning the word source: keys, explanations, idiom descriptions.
#include <QString>

namespace cx::stores {

// A headword of the explanation source made fit for the word table, or empty
// when it is broken: headwords whose characters were lost to a stray ASCII
// letter or a code in hex ("三j", "糠fdb7", "一。妫洌幔豹Ｍ") are dropped, the
// small comma "﹐" becomes "，", stray closing quotes go, and the few real
// words written with Latin letters get their capitals (卡拉OK, 阿Q).
QString cleanHeadword(const QString &key);

// An explanation made fit for display, or empty when there is nothing worth
// keeping: line breaks become "\n", lines are trimmed, empty lines dropped.
// Text garbled by a wrong code page (box-drawing characters, lone kana) or
// with hex codes standing in for lost characters gives empty.
QString cleanExplanation(const QString &text);

// True when the explanation bears the marks of an idiom: a figurative or
// descriptive sense (比喻, 形容), a named source (语出, 语本, 出自, 典出), or
// a book that it quotes (《…》"…") or points to (见《…》, 据《…》).
bool explainsIdiom(const QString &explanation);

// The description of an idiom: its senses, then each source it names as
// "出处：…", as sections separated by ";". A ";" inside a section becomes
// "；", so only section ends are ";".
QString idiomDescription(const QString &explanation);

// The first sense of an explanation without its number, at most maxLength
// characters (longer ones end in "……").
QString firstSense(const QString &explanation, int maxLength);

} // namespace cx::stores
