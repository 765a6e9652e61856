#pragma once

#include "lookup/BootstrapDownload.h"
#include "lookup/TestQuery.h"
#include "tld/TldManager.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace platform {
class ClipboardText;
}

namespace tld {

class TestAnswerPanel;

/// Where the TLD manager reads and writes: the shared table, the settings, the message boxes, the
/// clipboard the test answer is copied to and the file the hidden export writes.
struct TldManagerContext {
    TldRegistry &tlds;
    platform::SettingsStore &settings;
    platform::MessageBoxes &messages;
    platform::ClipboardText &clipboard;
    QString debugFilePath;
};

/// The "Settings" window: the TLD table in a sortable, filtered list, the row editor, the test query with
/// its answer panel and the proxy, default-extension and test-word settings. Its rules live in TldManager
/// and TestQuery.
class TldManagerWindow : public QWidget {
    Q_OBJECT
public:
    explicit TldManagerWindow(const TldManagerContext &context, QWidget *parent = nullptr);

    TldManager &manager() { return m_manager; }
    lookup::TestQuery &testQuery() { return m_test; }

    /// The rows in the order the list shows them, hidden ones included, fields as stored.
    QList<QStringList> displayedRows() const;
    TestAnswerPanel *answerPanel() const { return m_answer; }

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
    /// Fills the list from the manager and selects the row @p select (an index into its rows), if any.
    void fillList(int select = -1);
    void applyFilter();
    void showProblems();
    int selectedRowIndex() const;
    void sortByColumn(int column);
    void rowClicked(QTreeWidgetItem *item);
    void statusChanged(QTreeWidgetItem *item, int column);
    void focusField(EditField field);
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
    QLineEdit *m_filter = nullptr;
    QLabel *m_problems = nullptr;
    TestAnswerPanel *m_answer = nullptr;
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
