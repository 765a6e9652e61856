#pragma once

#include "lookup/BootstrapDownload.h"
#include "lookup/TestQuery.h"
#include "tld/TldManager.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace platform {
class ClipboardText;
}
namespace zones {
class ZoneScreen;
}

namespace tld {

class TestAnswerPanel;
class TldRowFilter;
class TldTableModel;

/// Where the TLD manager reads and writes: the shared table, the settings, the message boxes, the
/// clipboard the test answer is copied to and the file the hidden export writes.
struct TldManagerContext {
    TldRegistry &tlds;
    platform::ProgramSettings &settings;
    platform::MessageBoxes &messages;
    platform::ClipboardText &clipboard;
    QString debugFilePath;
};

/// The "TLD Manager" window (frmSettings): the TLD table in a sortable, filtered list, the row editor, the
/// test query with its answer panel and the proxy, default-extension and test-word settings. Its rules live
/// in TldManager, TldTableModel and TestQuery.
class TldManagerWindow : public QWidget {
    Q_OBJECT
public:
    explicit TldManagerWindow(const TldManagerContext &context, QWidget *parent = nullptr);
    ~TldManagerWindow() override;

    TldManager &manager() { return m_manager; }
    lookup::TestQuery &testQuery() { return m_test; }

    /// The rows in the order the list shows them, fields as stored.
    QList<QStringList> displayedRows() const;
    /// The row (its place in the file) the buttons act on; -1 when none is selected.
    int selectedRowIndex() const;
    /// Where the zone indexes are, whose date and size the row editor shows for the selected TLD.
    void setZonesFolder(const QString &folder);

signals:
    /// The window closed: the main window refreshes its TLD chooser.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildEditor();
    QWidget *buildSettings();
    QWidget *buildFilterRow();
    QLineEdit *addField(const char *name, QWidget *parent);
    /// Shows the table again after a change and selects the row @p select (its place in the file), if any.
    void refreshTable(int select = -1);
    /// Selects row @p row (its place in the file) and scrolls to it; a filter does not hide it.
    void selectRow(int row);
    void showProblems();
    void sortByColumn(int column);
    void showRow(const QModelIndex &index);
    void showServerKind(const QString &server);
    void showZone(const QString &extension);
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
    TldTableModel *m_model;
    TldRowFilter *m_rows;
    QTreeView *m_list;
    QLineEdit *m_filter = nullptr;
    QLabel *m_problems = nullptr;
    TestAnswerPanel *m_answer = nullptr;
    QLineEdit *m_ext = nullptr;
    QLineEdit *m_server = nullptr;
    QLineEdit *m_port = nullptr;
    QLineEdit *m_throttle = nullptr;
    QLineEdit *m_success = nullptr;
    QLabel *m_zone = nullptr;
    std::unique_ptr<zones::ZoneScreen> m_zones;
    QLineEdit *m_testWord = nullptr;
    QLineEdit *m_defaultExt = nullptr;
    QLineEdit *m_browsePause = nullptr;
    QCheckBox *m_proxy = nullptr;
    QPushButton *m_updateServers = nullptr;
};

} // namespace tld
