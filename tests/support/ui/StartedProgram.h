#pragma once

#include "FakeServices.h"
#include "TestFolder.h"
#include "app/AppContext.h"
#include "app/ui/MainWindow.h"

#include <QList>
#include <QPair>

#include <memory>

// Window tests only: this library links the windows (app_ui); the core test support does not.
namespace testing {

/// A TLD table whose com and net rows point at a WHOIS server on 127.0.0.1, pausing 0 ms.
QByteArray loopbackTable(quint16 port);

/// A test folder holding its files before the program starts: the TLD table and any others.
struct PreparedFolder {
    explicit PreparedFolder(const QByteArray &table, const QList<QPair<QString, QByteArray>> &files = {});
    TestFolder folder;
};

/// The real main window loaded over @p folder as a later start finds it: first-use message, help and the offer of
/// popular TLDs seen.
struct StartedProgram {
    explicit StartedProgram(const TestFolder &folder);

    /// The main window's control @p name; a missing one is reported by name.
    template <typename T> T *find(const QString &name) const
    {
        T *control = window->findChild<T *>(name);
        if (!control)
            qWarning("control %s is missing", qPrintable(name));
        return control;
    }

    FakeServices fakes;
    std::unique_ptr<app::AppContext> context;
    std::unique_ptr<app::MainWindow> window;
};

} // namespace testing
