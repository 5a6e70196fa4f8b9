#pragma once
#include <QString>

namespace cx::stores {

// One numbered syllable to tone marks: "zhong1" → "zhōng", "lu:4" and "lv4"
// → "lǜ", "de5" and "de" → "de". Upper case is lowered (CC-CEDICT writes
// proper names with a capital). Empty when the text is no syllable.
QString markedSyllable(const QString &numbered);

// The pinyin of a word: one syllable per hanzi of the word, separated by a
// blank; punctuation of the word (the comma of a two-part saying) is kept in
// its place. The readings may be numbered or marked; the 一 and 不 of the
// word get their own tones back where the reading writes the tone sandhi
// (一下 yí xià → yī xià). Empty when the readings do not fit the word.
QString wordPinyin(const QString &word, const QString &readings);

} // namespace cx::stores
