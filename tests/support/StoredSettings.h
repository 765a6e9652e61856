#pragma once

#include "platform/SettingsFile.h"

namespace testing {

/// The settings files as text under their key names, for tests that plant values or check what was stored.
class StoredSettings {
public:
    explicit StoredSettings(const QString &folder) : m_file(folder) {}

    QString setting(const QString &key) const
    {
        return m_file.value(QLatin1String(platform::productName), key, QString());
    }
    QString position(const QString &key) const
    {
        return m_file.value(QLatin1String(platform::positionsAppName), key, QString());
    }
    void plant(const QString &key, const QString &value)
    {
        m_file.write(QLatin1String(platform::productName), {{key, value}});
    }

private:
    platform::SettingsFile m_file;
};

} // namespace testing
