// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/first_start.h"

#include "engine/typed_settings.h"

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
    return settings_schema::switchText(!timeFormatHasAmPm(locale.timeFormat(QLocale::ShortFormat)));
}

void settleFirstStart24hr(platform::SettingsStore &store, const QLocale &locale)
{
    TypedSettings settings(store);
    if (settings.storedText(setting::TwentyFourHour).isEmpty())
        settings.save(setting::TwentyFourHour, firstStart24hrValue(locale));
}

} // namespace settings
