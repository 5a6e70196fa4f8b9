#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace cx::app {

// A font name of the window descriptions and the installed free faces that
// stand in for it, best first.
struct FontMapping {
    QString name;
    QStringList faces;
};
const std::vector<FontMapping> &fontMappings();

// Makes every name of fontMappings() resolve to the first of its faces that
// is installed (the others stay behind it for missing glyphs). Returns the
// names for which no face is installed.
QStringList installFontSubstitutions();

} // namespace cx::app
