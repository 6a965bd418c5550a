#pragma once
// The per-user settings store that tells the program where its database is: five text values
// under QSettings("Vantrel", "KORVA") in the native format, i.e. the key
// HKEY_CURRENT_USER\Software\Vantrel\KORVA on Windows and the per-user configuration file
// elsewhere (on Linux $XDG_CONFIG_HOME/Vantrel/KORVA.conf, by default ~/.config/...).
// There are no defaults: a value never written reads as empty text.
//
// Tests point the store at a folder of their own with SettingsStore::setLocation(folder)
// (QSettings::setPath for the user scope, any time before the next read or write); setting
// XDG_CONFIG_HOME before the application object exists works as well on Linux.
// tests/common/TestDatabase does the former for its temporary folder.

#include "Database.h"

#include <QString>

namespace SettingsStore {

// The value names, exactly as the program has always written them.
inline const QString KindValue = QStringLiteral("Veritanabanı Türü");
inline const QString ServerValue = QStringLiteral("Sunucu Adı");
inline const QString UserValue = QStringLiteral("Kullanıcı Adı");
inline const QString PasswordValue = QStringLiteral("Şifre");
inline const QString DataValue = QStringLiteral("Data");

// A missing value reads as empty text.
QString read(const QString &name);
void write(const QString &name, const QString &value);

inline QString kind() { return read(KindValue); }
inline QString server() { return read(ServerValue); }
inline QString user() { return read(UserValue); }
inline QString password() { return read(PasswordValue); }
inline QString data() { return read(DataValue); }

// All five values at once, as the sign-in applies them to the connection.
ConnectionSettings connectionSettings();

// Redirects the user-scope store to folder (the file becomes folder/Vantrel/KORVA.conf where
// the native format is a file). For tests only; the program never calls it.
void setLocation(const QString &folder);

} // namespace SettingsStore
