#include "windows/searchpattern.h"

#include "app/boxes.h"
#include "data/runquery.h"
#include "data/searchinput.h"

namespace cx::windows {

QString NoResultMessage(const QString &text) { return text + QStringLiteral(" 没有搜索到结果！"); }

SearchOutcome RunSearch(data::QuerySlot &slot, const QString &caption,
                        const std::function<QString(const QString &)> &statement)
{
    const std::optional<QString> reply = app::boxes().input(caption, kSearchPrompt, QString());
    if (!reply || reply->isEmpty())
        return SearchOutcome::Stopped;
    const QString text = data::KeepDoubleByte(*reply);
    if (!data::HasDoubleByte(text))
        return SearchOutcome::Stopped;
    data::RunQuery(slot, statement(text), true);
    if (slot.query.recordCount() == 0) {
        app::boxes().message(NoResultMessage(text));
        return SearchOutcome::NotFound;
    }
    return SearchOutcome::Found;
}

} // namespace cx::windows
