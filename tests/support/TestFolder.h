#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace testing {

/// A fresh application folder and settings folder for one test.
class TestFolder {
public:
    TestFolder();

    QString appFolder() const { return m_dir.path() + QStringLiteral("/app"); }
    QString settingsFolder() const { return m_dir.path() + QStringLiteral("/settings"); }
    QString file(const QString &name) const { return appFolder() + QLatin1Char('/') + name; }

    void write(const QString &name, const QByteArray &content) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

/**
 * Makes @p folder read-only for this process while it lives. Permissions do not stop root, so a test
 * run as root runs as an unprivileged user meanwhile; the folders above @p folder are opened for it to
 * pass through. isValid() is false when neither works.
 */
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString &folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder &) = delete;
    ReadOnlyFolder &operator=(const ReadOnlyFolder &) = delete;
    bool isValid() const { return m_valid; }

private:
    QString m_folder;
    bool m_valid = false;
    bool m_wasRoot = false;
};

/**
 * Makes the file @p path unreadable for this process while it lives, its folder open to everyone: a test
 * run as root runs as an unprivileged user meanwhile. isValid() is false when that does not work.
 */
class UnreadableFile {
public:
    explicit UnreadableFile(const QString &path);
    ~UnreadableFile();
    UnreadableFile(const UnreadableFile &) = delete;
    UnreadableFile &operator=(const UnreadableFile &) = delete;
    bool isValid() const { return m_valid; }

private:
    QString m_path;
    bool m_valid = false;
    bool m_wasRoot = false;
};

/// Folder of the shared real WHOIS answers, or empty when it is not on this machine.
QString whoisAnswersFolder();

} // namespace testing
