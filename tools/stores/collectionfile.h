#pragma once
// The collection file: the format of the starter collections and of a
// user's own collection for `cxtool build-stores --import`.
//
// UTF-8 text (a byte-order mark is skipped), one entry per line, the values
// separated by a tab, in the order of collectionColumns(). Lines starting
// with "#" and blank lines are skipped. Inside a value "\t", "\n" and "\\"
// stand for a tab, a line break and a backslash. Every value is trimmed
// (leading and trailing characters of code 0x20 or below).
#include <QList>
#include <QString>
#include <QStringList>

namespace cx::stores {

// The columns a collection file of table gives, empty for a table that no
// file can fill (hzbs).
QStringList collectionColumns(const QString &table);

// Reads a collection file of table. Throws std::runtime_error naming the
// file and line of the first bad entry: a wrong number of values, an empty
// first value, text that is not UTF-8 or has characters outside GBK (the
// program could not show them).
QList<QStringList> readCollectionFile(const QString &path, const QString &table);
QList<QStringList> parseCollection(const QByteArray &text, const QString &table, const QString &name);

// One line of a collection file for row, with the escapes applied.
QString collectionLine(const QStringList &row);

} // namespace cx::stores
