#include "Settings.h"

#include <QSettings>

namespace Settings {

namespace {
QVariant read(SettingsKeys::Key key, const QVariant &defaultValue)
{
    return QSettings().value(key, defaultValue);
}
} // namespace

bool readBool(SettingsKeys::Key key, bool defaultValue)
{
    return read(key, defaultValue).toBool();
}

int readInt(SettingsKeys::Key key, int defaultValue)
{
    return read(key, defaultValue).toInt();
}

double readDouble(SettingsKeys::Key key, double defaultValue)
{
    return read(key, defaultValue).toDouble();
}

QString readString(SettingsKeys::Key key, const QString &defaultValue)
{
    return read(key, defaultValue).toString();
}

void write(SettingsKeys::Key key, const QVariant &value)
{
    QSettings().setValue(key, value);
}

bool contains(SettingsKeys::Key key)
{
    return QSettings().contains(key);
}

void remove(SettingsKeys::Key key)
{
    QSettings().remove(key);
}

} // namespace Settings
