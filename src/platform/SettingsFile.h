#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace platform {

/// Name under which the program keeps its own settings (taken from the version information).
inline constexpr auto productName = "Quarrytide";
/// Fixed application name that holds the list positions of the checking engine and the word lists.
inline constexpr auto positionsAppName = "Marlowfen";
/// The one section every setting lives in.
inline constexpr auto settingsSection = "Settings";

/**
 * Per-user store of text values addressed by application, section and key.
 *
 * Each application name is kept in its own INI file inside one folder, so the product's settings and
 * the list positions never mix. Values are text; readers convert them.
 */
class SettingsStore {
public:
    /// Store kept in @p folder (created on first write). Tests pass a temporary folder.
    explicit SettingsStore(const QString &folder);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    /// The per-user folder the desktop program uses.
    static QString defaultFolder();

    QString getSetting(const QString &application, const QString &section, const QString &key,
                       const QString &defaultValue) const;
    void saveSetting(const QString &application, const QString &section, const QString &key, const QString &value);

    /// Shorthands for the product's own settings and for the positions.
    QString product(const QString &key, const QString &defaultValue) const;
    void saveProduct(const QString &key, const QString &value);
    QString positions(const QString &key, const QString &defaultValue) const;
    void savePositions(const QString &key, const QString &value);
    /// Sets every key to @p value and writes the file once.
    void savePositions(const QStringList &keys, const QString &value);

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
