#pragma once
// The search pattern of the dictionary windows: ask for a text, keep its
// double-byte characters, run the search behind the busy splash, and tell
// the user when nothing was found.

#include "data/query.h"

#include <QString>
#include <functional>

namespace cx::windows {

// The prompt of every search input box: six full stops and four blanks.
inline const QString kSearchPrompt = QStringLiteral("请搜索......    ");

// The message of a search that found nothing: the searched text, one blank,
// "没有搜索到结果！".
QString NoResultMessage(const QString &text);

enum class SearchOutcome {
    Stopped,  // cancelled, empty, or no double-byte character: nothing shown
    NotFound, // the slot holds the empty result; the message was shown
    Found,    // the slot holds the rows found
};

// Asks for the search text in the input box titled caption, filters it with
// KeepDoubleByte and runs statement(filtered text) on slot through RunQuery
// behind the splash. A failing statement raises the data-access error after
// the splash is down; the slot then stays closed.
SearchOutcome RunSearch(data::QuerySlot &slot, const QString &caption,
                        const std::function<QString(const QString &)> &statement);

} // namespace cx::windows
