#pragma once

#include "lookup/BootstrapDownload.h"
#include "lookup/TestQuery.h"
#include "tld/TldManager.h"

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace platform {
struct Services;
}

namespace tld {

/// Where the TLD manager reads and writes: the shared table, the settings, the message boxes and the
/// file the hidden export writes.
struct TldManagerContext {
    TldRegistry &tlds;
    platform::SettingsStore &settings;
    platform::MessageBoxes &messages;
    QString debugFilePath;
};

/// The "Settings" window: the TLD table in a sortable list, the row editor, the test query and the
/// proxy, default-extension and test-word settings. Its rules live in TldManager and TestQuery.
class TldManagerWindow : public QWidget {
    Q_OBJECT
public:
    explicit TldManagerWindow(const TldManagerContext &context, QWidget *parent = nullptr);

    TldManager &manager() { return m_manager; }
    lookup::TestQuery &testQuery() { return m_test; }

    /// The rows in the order the list shows them.
    QList<QStringList> displayedRows() const;

signals:
    /// The window closed: the main window refreshes its TLD chooser.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildEditor();
    QWidget *buildSettings();
    QLineEdit *addField(const char *name, QWidget *parent);
    void fillList();
    int selectedFileIndex() const;
    void sortByColumn(int column);
    void rowClicked(QTreeWidgetItem *item);
    void newExtension();
    void save();
    void toggle();
    void deleteSelected();
    void restoreDefaults();
    void addCurrentTlds();
    void updateServers();
    void exportDebug();
    void testSelected();

    TldManager m_manager;
    lookup::TestQuery m_test;
    lookup::BootstrapDownload m_bootstrap;
    QTreeWidget *m_list;
    QLineEdit *m_ext = nullptr;
    QLineEdit *m_server = nullptr;
    QLineEdit *m_port = nullptr;
    QLineEdit *m_throttle = nullptr;
    QLineEdit *m_success = nullptr;
    QLineEdit *m_testWord = nullptr;
    QLineEdit *m_defaultExt = nullptr;
    QLineEdit *m_browsePause = nullptr;
    QCheckBox *m_proxy = nullptr;
    QPushButton *m_updateServers = nullptr;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace tld
