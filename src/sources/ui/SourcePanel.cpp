#include "sources/ui/SourcePanel.h"

#include "platform/ui/FlowLayout.h"
#include "platform/ui/Named.h"
#include "sources/SourceCatalog.h"
#include "sources/ui/SourceList.h"
#include "sources/ui/TldChooser.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sources {

namespace {

using platform::named;

// A label that names its control for screen readers and moves the focus to it with its mnemonic.
QLabel *label(const char *name, const QString &text, QWidget *buddy, QWidget *parent)
{
    QLabel *caption = named(new QLabel(text, parent), name);
    caption->setBuddy(buddy);
    QString spoken = text;
    spoken.remove(QLatin1Char('&'));
    if (spoken.endsWith(QLatin1Char(':')))
        spoken.chop(1);
    if (buddy->accessibleName().isEmpty())
        buddy->setAccessibleName(spoken);
    return caption;
}

} // namespace

QStringList SourcePanel::sourceNames()
{
    return sourceCaptions();
}

SourcePanel::SourcePanel(QWidget *parent)
    : QWidget(parent), m_combo1(named(new SourceList(this), "Combo1")),
      m_listFile(named(new QLabel(this), "lblListFile")),
      m_command3(named(new QPushButton(tr("Stop"), this), "Command3"))
{
    setObjectName(QStringLiteral("sourcePanel"));
    m_combo1->addItems(sourceNames());
    m_combo1->setCurrentIndex(-1);
    m_combo1->setPlaceholderText(tr("Choose a source"));
    m_combo1->setToolTip(tr("Select the type of search you would like to run"));
    m_command3->setEnabled(false);

    // One row that wraps where the window is narrow (a small screen, a large scale factor).
    auto *row = new platform::FlowLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto *source = new QWidget(this);
    auto *sourceRow = new QHBoxLayout(source);
    sourceRow->setContentsMargins(0, 0, 0, 0);
    sourceRow->addWidget(label("lblSearchType", tr("Search T&ype:"), m_combo1, source));
    sourceRow->addWidget(m_combo1);
    row->addWidget(source);
    row->addWidget(m_listFile);
    row->addWidget(buildWordPanel());
    row->addWidget(buildSearchPanel());
    row->addWidget(m_command3);
    m_listFile->hide();
    hideSearchPanel();
    m_command3->setToolTip(tr("Stop the search (Esc)"));
    // The order the controls stand in: the TLD is chosen before Start.
    setTabOrder(m_combo1, m_txtWordNum);
    setTabOrder(m_txtWordNum, m_cmbTlds);
    setTabOrder(m_cmbTlds, m_cmdDoSearch);
    setTabOrder(m_cmdDoSearch, m_txtSearch);
    setTabOrder(m_txtSearch, m_combo2);
    setTabOrder(m_combo2, m_cmdCreate);
    setTabOrder(m_cmdCreate, m_command3);
}

QWidget *SourcePanel::buildWordPanel()
{
    m_wordPanel = named(new QWidget(this), "wordPanel");
    m_txtWordNum = named(new QLineEdit(QStringLiteral("1"), m_wordPanel), "txtWordNum");
    m_txtWordMax = named(new QLineEdit(QStringLiteral("1"), m_wordPanel), "txtWordMax");
    m_txtWordMax->setReadOnly(true);
    m_txtWordMax->setFocusPolicy(Qt::ClickFocus); // shown, never typed into: no stop for the Tab key
    m_txtWordMax->setToolTip(tr("The number of entries on your list."));
    m_txtWordMax->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
    m_txtWordNum->setMaximumWidth(90);
    m_txtWordMax->setMaximumWidth(90);
    m_cmdDoSearch = named(new QPushButton(tr("Start"), m_wordPanel), "cmdDoSearch");
    m_cmdDoSearch->setToolTip(tr("Click here to start searching your list. (Ctrl+Return)"));
    m_cmdDoSearch->setEnabled(false);
    m_cmbTlds = named(new TldChooser(m_wordPanel), "cmbTLDs");
    m_cmbTlds->setMinimumContentsLength(6);

    auto *layout = new QHBoxLayout(m_wordPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    m_txtWordMax->setAccessibleName(tr("Number of entries"));
    layout->addWidget(label("wLabel1", tr("Start &Number:"), m_txtWordNum, m_wordPanel));
    layout->addWidget(m_txtWordNum);
    layout->addWidget(label("wLabel2", tr("Of"), m_txtWordMax, m_wordPanel));
    layout->addWidget(m_txtWordMax);
    layout->addWidget(label("sLblTLD", tr("T&LD:"), m_cmbTlds, m_wordPanel));
    layout->addWidget(m_cmbTlds);
    layout->addWidget(m_cmdDoSearch);
    return m_wordPanel;
}

QWidget *SourcePanel::buildSearchPanel()
{
    m_searchPanel = named(new QWidget(this), "searchPanel");
    m_txtSearch = named(new QLineEdit(m_searchPanel), "txtSearch");
    m_txtSearch->setToolTip(tr("Enter a search string"));
    m_combo2 = named(new QComboBox(m_searchPanel), "Combo2");
    m_combo2->addItems({tr("~100 Domains"), tr("~200 Domains"), tr("~500 Domains"), tr("~1000 Domains")});
    m_combo2->setToolTip(tr("The approximate number of domains to find, if available."));
    m_cmdCreate = named(new QPushButton(tr("Search"), m_searchPanel), "cmdCreate");
    m_cmdCreate->setToolTip(tr("Click here to start your internet search!"));
    m_cmdCreate->setEnabled(false);

    auto *layout = new QHBoxLayout(m_searchPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label("SLabel1", tr("Search Strin&g:"), m_txtSearch, m_searchPanel));
    layout->addWidget(m_txtSearch);
    m_combo2->setAccessibleName(tr("Number of domains to get"));
    layout->addWidget(label("SLabel2", tr("Get"), m_combo2, m_searchPanel));
    layout->addWidget(m_combo2);
    layout->addWidget(m_cmdCreate);
    return m_searchPanel;
}

void SourcePanel::showWordPanel()
{
    m_wordPanel->setVisible(true);
}

void SourcePanel::hideWordPanel()
{
    m_wordPanel->setVisible(false);
}

void SourcePanel::showSearchPanel()
{
    m_searchPanel->setVisible(true);
}

void SourcePanel::hideSearchPanel()
{
    m_searchPanel->setVisible(false);
}

} // namespace sources
