#pragma once

#include <QString>
#include <QVariant>

#include "core/SettingsKeys.h"

// Typed access to the settings store. Each call opens a fresh settings object for the fixed
// scope, so a value written anywhere is seen by the next read. Every read names its default at
// the call site: the same key may have different defaults at different sites. A stored value of
// another type goes through QVariant's conversion; nothing is reported.
namespace Settings {

bool readBool(SettingsKeys::Key key, bool defaultValue);
int readInt(SettingsKeys::Key key, int defaultValue);
double readDouble(SettingsKeys::Key key, double defaultValue);
QString readString(SettingsKeys::Key key, const QString &defaultValue);
void write(SettingsKeys::Key key, const QVariant &value);
bool contains(SettingsKeys::Key key);
void remove(SettingsKeys::Key key);

} // namespace Settings
