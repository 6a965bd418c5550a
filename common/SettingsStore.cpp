#include "SettingsStore.h"

#include <QSettings>

namespace SettingsStore {

QString read(const QString &name)
{
    const QSettings settings(QStringLiteral("Vantrel"), QStringLiteral("KORVA"));
    return settings.value(name).toString();
}

void write(const QString &name, const QString &value)
{
    QSettings settings(QStringLiteral("Vantrel"), QStringLiteral("KORVA"));
    settings.setValue(name, value);
    settings.sync();
}

ConnectionSettings connectionSettings()
{
    const QSettings settings(QStringLiteral("Vantrel"), QStringLiteral("KORVA"));
    auto text = [&settings](const QString &name) { return settings.value(name).toString(); };
    return {text(KindValue), text(ServerValue), text(UserValue), text(PasswordValue),
            text(DataValue)};
}

void setLocation(const QString &folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

} // namespace SettingsStore
