#include "tld/ui/TldManagerWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tld {

namespace {

constexpr int fileIndexRole = Qt::UserRole;

// The list compares what it shows, without regard to case, so Port and Throttle sort as text.
class TextItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
    }
};

QLabel *hiddenLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setVisible(false);
    return label;
}

} // namespace

TldManagerWindow::TldManagerWindow(const TldManagerContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_manager(context.tlds, context.settings, context.messages, context.debugFilePath),
      m_test(context.tlds, context.messages, this), m_list(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_list->setObjectName(QStringLiteral("lstDomains"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QStringLiteral("Extension"), QStringLiteral("Server"), QStringLiteral("Port"),
                             QStringLiteral("Status"), QStringLiteral("Throttle"), QStringLiteral("Success")});
    const int widths[] = {90, 180, 50, 70, 60};
    for (int column = 0; column < 5; ++column)
        m_list->setColumnWidth(column, widths[column]);
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSortIndicatorShown(false);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, &TldManagerWindow::sortByColumn);
    connect(m_list, &QTreeWidget::itemClicked, this, &TldManagerWindow::rowClicked);

    auto *listLabel = new QLabel(QStringLiteral("List of Top Level Domains:"), this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);
    layout->addWidget(buildEditor());
    layout->addWidget(buildSettings());

    m_test.setPhraseSource([this] { return m_success->text(); });
    connect(&m_bootstrap, &lookup::BootstrapDownload::downloaded, this, [this](const QByteArray &json) {
        m_updateServers->setEnabled(true);
        if (m_manager.updateServers(json))
            fillList();
    });
    connect(&m_bootstrap, &lookup::BootstrapDownload::failed, this, [this](const QString &reason) {
        m_updateServers->setEnabled(true);
        m_manager.serverUpdateFailed(reason);
    });
    fillList();
    resize(820, 620);
}

QLineEdit *TldManagerWindow::addField(const char *name, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    return field;
}

QWidget *TldManagerWindow::buildEditor()
{
    auto *editor = new QWidget(this);
    m_ext = addField("txtExt", editor);
    m_server = addField("txtServer", editor);
    m_port = addField("txtPort", editor);
    m_throttle = addField("txtThrottle", editor);
    m_success = addField("txtSuccess", editor);
    m_server->setToolTip(QStringLiteral("A WHOIS server, or the base address of an RDAP service "
                                        "(https://..., asked at that address + domain/NAME; the port is not used)"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Extension:"), m_ext);
    form->addRow(QStringLiteral("Whois Server:"), m_server);
    form->addRow(QStringLiteral("Port:"), m_port);
    form->addRow(QStringLiteral("Throttle (ms):"), m_throttle);
    form->addRow(QStringLiteral("Success Indicators:"), m_success);

    auto *buttons = new QHBoxLayout;
    const auto addButton = [&](const char *name, const QString &caption, void (TldManagerWindow::*handler)()) {
        auto *button = new QPushButton(caption, editor);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
        return button;
    };
    addButton("cmdSave", QStringLiteral("Add/Save"), &TldManagerWindow::save);
    addButton("Command1", QStringLiteral("New Extension"), &TldManagerWindow::newExtension);
    addButton("cmdToggle", QStringLiteral("Enable/Disable"), &TldManagerWindow::toggle);
    addButton("Command2", QStringLiteral("Delete Selected"), &TldManagerWindow::deleteSelected);
    addButton("Command3", QStringLiteral("Restore Defaults"), &TldManagerWindow::restoreDefaults);
    addButton("cmdAddCurrent", QStringLiteral("Add current TLDs"), &TldManagerWindow::addCurrentTlds);
    m_updateServers = addButton("cmdUpdateServers", QStringLiteral("Update servers"), &TldManagerWindow::updateServers);
    addButton("Command4", QStringLiteral("DEBUG"), &TldManagerWindow::exportDebug)->setVisible(false);
    addButton("cmdTest", QStringLiteral("Test Selected"), &TldManagerWindow::testSelected);
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(form);
    layout->addLayout(buttons);
    return editor;
}

QWidget *TldManagerWindow::buildSettings()
{
    auto *box = new QWidget(this);
    auto *defaults = new QGroupBox(QStringLiteral("Defaults:"), box);
    m_testWord = addField("txtsearch", defaults);
    m_defaultExt = addField("txtDefault", defaults);
    m_browsePause = addField("txtthrot", defaults);
    m_browsePause->setVisible(false);
    auto *form = new QFormLayout(defaults);
    form->addRow(new QLabel(QStringLiteral("Use this domain when testing registrars in the list below:"), defaults));
    form->addRow(m_testWord);
    form->addRow(new QLabel(QStringLiteral("Use the following TLD as the default (generally com)"), defaults));
    form->addRow(m_defaultExt);
    form->addRow(hiddenLabel(QStringLiteral("(Note: Other areas of the program use the individual throttle "
                                            "settings below)"),
                             defaults));
    form->addRow(hiddenLabel(QStringLiteral("Pause for this many milliseconds after each domain is scanned in "
                                            "Browse for Domains mode:"),
                             defaults));
    form->addRow(m_browsePause);

    auto *proxyBox = new QGroupBox(QStringLiteral("Proxy WHOIS server:"), box);
    m_proxy = new QCheckBox(
        QStringLiteral("Use the server entered under the extension \"proxy\" for all whois lookups"), proxyBox);
    m_proxy->setObjectName(QStringLiteral("chkProxy"));
    (new QVBoxLayout(proxyBox))->addWidget(m_proxy);

    connect(m_proxy, &QCheckBox::toggled, this, [this](bool on) { m_manager.setUseProxy(on); });
    connect(m_defaultExt, &QLineEdit::textChanged, this, [this](const QString &t) { m_manager.setDefaultExt(t); });
    connect(m_testWord, &QLineEdit::textChanged, this, [this](const QString &t) { m_manager.setTestWord(t); });
    connect(m_browsePause, &QLineEdit::textChanged, this, [this](const QString &t) { m_manager.setBrowsePause(t); });
    m_defaultExt->installEventFilter(this);

    const ManagerSettings values = m_manager.openingSettings();
    m_proxy->setChecked(values.useProxy);
    m_defaultExt->setText(values.defaultExt);
    m_browsePause->setText(values.browsePause);
    m_testWord->setText(values.testWord);

    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(defaults, 2);
    layout->addWidget(proxyBox, 1);
    return box;
}

void TldManagerWindow::fillList()
{
    m_list->clear();
    const QList<QStringList> &rows = m_manager.rows();
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        auto *item = new TextItem(rows.at(i));
        item->setData(0, fileIndexRole, static_cast<int>(i));
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    if (m_sortColumn >= 0)
        m_list->sortItems(m_sortColumn, m_sortOrder);
}

QList<QStringList> TldManagerWindow::displayedRows() const
{
    QList<QStringList> rows;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(i);
        QStringList fields;
        for (int column = 0; column < m_list->columnCount(); ++column)
            fields.append(item->text(column));
        rows.append(fields);
    }
    return rows;
}

int TldManagerWindow::selectedFileIndex() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : selected.constFirst()->data(0, fileIndexRole).toInt();
}

void TldManagerWindow::sortByColumn(int column)
{
    if (m_list->topLevelItemCount() == 0)
        return;
    // One order for all columns, flipped on every click; the first click sorts descending.
    m_sortOrder = m_sortOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_sortColumn = column;
    m_list->header()->setSortIndicatorShown(true);
    m_list->sortItems(column, m_sortOrder);
}

void TldManagerWindow::rowClicked(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const RowEdit edit = m_manager.selectRow(item->data(0, fileIndexRole).toInt());
    m_ext->setText(edit.extension);
    m_server->setText(edit.server);
    m_port->setText(edit.port);
    m_throttle->setText(edit.throttle);
    m_success->setText(edit.successPhrases);
}

void TldManagerWindow::newExtension()
{
    m_ext->clear();
    m_server->clear();
    m_port->clear();
    m_ext->setFocus();
    m_manager.startNewRow();
}

void TldManagerWindow::save()
{
    RowEdit edit{m_ext->text(), m_server->text(), m_port->text(), m_throttle->text(), m_success->text()};
    const bool saved = m_manager.saveEdit(edit);
    m_port->setText(edit.port);
    m_throttle->setText(edit.throttle);
    m_success->setText(edit.successPhrases);
    if (saved)
        fillList();
}

void TldManagerWindow::toggle()
{
    const int index = selectedFileIndex();
    if (index < 0)
        return;
    m_manager.toggle(index);
    fillList();
}

void TldManagerWindow::deleteSelected()
{
    const int index = selectedFileIndex();
    if (index < 0 || !m_manager.deleteRow(index))
        return;
    fillList();
    m_ext->clear();
    m_server->clear();
    m_port->clear();
}

void TldManagerWindow::restoreDefaults()
{
    m_manager.restoreDefaults();
    fillList();
}

void TldManagerWindow::addCurrentTlds()
{
    if (m_manager.addCurrentTlds())
        fillList();
}

void TldManagerWindow::updateServers()
{
    // One download at a time; the button comes back when it has ended.
    m_updateServers->setEnabled(false);
    m_bootstrap.start(m_manager.bootstrapAddress());
}

void TldManagerWindow::exportDebug()
{
    m_manager.exportDebug(displayedRows());
}

void TldManagerWindow::testSelected()
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    m_test.startTestQuery(lookup::TestQuery::composeTestDomain(m_testWord->text(), selected.constFirst()->text(0)));
}

bool TldManagerWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_defaultExt && event->type() == QEvent::FocusOut) {
        const QString ext = m_manager.leaveDefaultExt(m_defaultExt->text());
        if (ext != m_defaultExt->text())
            m_defaultExt->setText(ext);
    }
    return QWidget::eventFilter(watched, event);
}

void TldManagerWindow::closeEvent(QCloseEvent *event)
{
    // The focus-out rule applies on closing too: a dotless default would be glued onto every name.
    m_manager.close(m_defaultExt->text());
    emit closed();
    event->accept();
}

} // namespace tld
