#include "settings/first_start.h"

#include "platform/settings_store.h"

namespace settings {

bool timeFormatHasAmPm(QStringView format)
{
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted; // '' inside or outside quotes toggles twice: a literal quote
        else if (!quoted && (c == u'a' || c == u'A'))
            return true;
    }
    return false;
}

QString firstStart24hrValue(const QLocale &locale)
{
    return timeFormatHasAmPm(locale.timeFormat(QLocale::ShortFormat)) ? QStringLiteral("False")
                                                                       : QStringLiteral("True");
}

void settleFirstStart24hr(platform::SettingsStore &store, const QLocale &locale)
{
    const QString app = QStringLiteral("Horalux");
    const QString section = QStringLiteral("data");
    const QString key = QStringLiteral("24hr");
    if (store.GetSetting(app, section, key, QString()).isEmpty())
        store.SaveSetting(app, section, key, firstStart24hrValue(locale));
}

} // namespace settings
