#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <memory>
#include <utility>

class QSettings;

namespace platform {

/// Name under which the program keeps its own settings (taken from the version information).
inline constexpr auto productName = "Quarrytide";
/// Fixed application name that holds the list positions of the checking engine and the word lists.
inline constexpr auto positionsAppName = "Marlowfen";
/// The one section every setting lives in.
inline constexpr auto settingsSection = "Settings";

/**
 * The files behind ProgramSettings: text values addressed by application and key, each application in
 * its own INI file inside one folder, so the product's settings and the list positions never mix.
 * Every write goes through write(), which is safe against a writer killed before it.
 */
class SettingsFile {
public:
    using Values = QList<std::pair<QString, QString>>;

    /// Files kept in @p folder (created on first write).
    explicit SettingsFile(QString folder);
    ~SettingsFile();
    SettingsFile(const SettingsFile &) = delete;
    SettingsFile &operator=(const SettingsFile &) = delete;

    /// The stored text of @p key, or @p fallback when the key is absent.
    QString value(const QString &application, const QString &key, const QString &fallback) const;
    /// Sets every key of @p values and writes the file at once.
    void write(const QString &application, const Values &values);

    QString folder() const { return m_folder; }
    QString fileFor(const QString &application) const;

private:
    QSettings &backend(const QString &application) const;

    QString m_folder;
    mutable QHash<QString, std::shared_ptr<QSettings>> m_backends;
};

/// Reads a setting as a 32-bit integer the way the program's readers do: leading and trailing blanks
/// allowed, anything else that is not a decimal number fails and leaves @p value unchanged.
bool readInt(const QString &text, int &value);

} // namespace platform
