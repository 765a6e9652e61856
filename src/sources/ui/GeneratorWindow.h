#pragma once

#include "platform/DesktopServices.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLineEdit;
class QListView;
class QListWidget;
class QPushButton;

namespace platform {
class AppFolder;
class ProgramSettings;
} // namespace platform
namespace tld {
class TldFile;
}

namespace sources {

class NameGenerator;

/// What the generator window uses of the program.
struct GeneratorHost {
    const platform::AppFolder &folder;
    platform::ProgramSettings &settings;
    platform::Services services;
    const tld::TldFile &tldFile;
};

/// The name generator window (frmMake): base word, TLDs, affixes and options; the generation itself
/// is the NameGenerator's.
class GeneratorWindow : public QWidget {
    Q_OBJECT
public:
    explicit GeneratorWindow(const GeneratorHost &host, QWidget *parent = nullptr);
    ~GeneratorWindow() override;

    NameGenerator *generator() const { return m_generator; }

signals:
    /// CreatedDomains.txt holds @p createdCount names.
    void listWritten(int createdCount);
    /// The run over CreatedDomains.txt may start.
    void runRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildTldFrame();
    QWidget *buildAffixFrame();
    QWidget *buildResultFrame();
    void load();
    void listGeneratorTlds();
    void saveTldTicks();
    void setInputsEnabled(bool enabled);
    void startGenerator();
    void addAffix();
    void removeSelectedAffix();
    void saveListAs();
    void showWriteFailure(const QString &path);

    GeneratorHost m_host;
    NameGenerator *m_generator;
    QLineEdit *m_text1;
    QListWidget *m_listView1 = nullptr;
    QListWidget *m_list2 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QPushButton *m_cmdAdd = nullptr;
    QPushButton *m_cmdSub = nullptr;
    std::array<QCheckBox *, 3> m_chkAdd{};
    QPushButton *m_command1 = nullptr;
    QListView *m_list1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QLineEdit *m_txtStatus = nullptr;
};

} // namespace sources
