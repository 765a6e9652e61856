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

/// Folder of the shared real WHOIS answers, or empty when it is not on this machine.
QString whoisAnswersFolder();

} // namespace testing
