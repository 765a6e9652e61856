#include "tld/ui/TldManagerWindow.h"

#include "tld/DomainRule.h"
#include "tld/Routing.h"
#include "tld/ui/TestAnswerPanel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tld {

namespace {

constexpr int rowIndexRole = Qt::UserRole;
constexpr int portColumn = 2;
constexpr int statusColumn = 3;
constexpr int throttleColumn = 4;

// The list compares what it shows without regard to case; Port and Throttle compare as numbers, with
// numbers before any text that is not one.
class RowItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (column == portColumn || column == throttleColumn) {
            bool mine = false;
            bool theirs = false;
            const qlonglong a = text(column).trimmed().toLongLong(&mine);
            const qlonglong b = other.text(column).trimmed().toLongLong(&theirs);
            if (mine || theirs)
                return mine && theirs ? a < b : mine;
        }
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
      m_test(context.tlds, context.messages, this), m_list(new QTreeWidget(this)),
      m_answer(new TestAnswerPanel(context.clipboard, this))
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("Settings"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_list->setObjectName(QStringLiteral("lstDomains"));
    m_list->setAccessibleName(QStringLiteral("List of Top Level Domains"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QStringLiteral("Extension"), QStringLiteral("Server"), QStringLiteral("Port"),
                             QStringLiteral("Status"), QStringLiteral("Throttle"), QStringLiteral("Success")});
    const int widths[] = {90, 180, 50, 90, 60};
    for (int column = 0; column < 5; ++column)
        m_list->setColumnWidth(column, widths[column]);
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSortIndicatorShown(false);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, &TldManagerWindow::sortByColumn);
    connect(m_list, &QTreeWidget::itemClicked, this, &TldManagerWindow::rowClicked);
    connect(m_list, &QTreeWidget::itemChanged, this, &TldManagerWindow::statusChanged);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TldManagerWindow::showProblems);

    m_filter = addField("txtFilter", this);
    m_filter->setAccessibleName(QStringLiteral("Filter the TLD rows"));
    m_filter->setPlaceholderText(QStringLiteral("extension, server or phrase"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setMinimumWidth(220);
    connect(m_filter, &QLineEdit::textChanged, this, &TldManagerWindow::applyFilter);
    auto *filterLabel = new QLabel(QStringLiteral("&Filter:"), this);
    filterLabel->setBuddy(m_filter);
    m_problems = new QLabel(this);
    m_problems->setObjectName(QStringLiteral("lblProblems"));
    m_problems->setWordWrap(true);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("List of Top Level Domains:"), this));
    top->addStretch(1);
    top->addWidget(filterLabel);
    top->addWidget(m_filter);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_problems);
    layout->addWidget(buildEditor());
    layout->addWidget(buildSettings());

    m_test.setPhraseSource([this] { return m_success->text(); });
    m_test.setReportSink([this](const QString &text) { m_answer->showText(text); });
    connect(&m_test, &lookup::TestQuery::stateChanged, this, [this](lookup::TestQuery::State state) {
        // Judged: the verdict follows at once, unless the name is a placeholder the verdict is not shown for.
        if (state == lookup::TestQuery::State::Judged)
            m_answer->showText(QStringLiteral("No verdict is shown for %1.").arg(m_test.testDomain()));
    });
    connect(&m_bootstrap, &lookup::BootstrapDownload::downloaded, this, [this](const QByteArray &json) {
        m_updateServers->setEnabled(true);
        if (m_manager.updateServers(json))
            fillList(selectedRowIndex());
    });
    connect(&m_bootstrap, &lookup::BootstrapDownload::failed, this, [this](const QString &reason) {
        m_updateServers->setEnabled(true);
        m_manager.serverUpdateFailed(reason);
    });
    fillList();
    resize(820, 680);
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

    auto *fields = new QHBoxLayout;
    fields->addLayout(form, 1);
    fields->addWidget(m_answer, 1);
    auto *layout = new QVBoxLayout(editor);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(fields);
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

void TldManagerWindow::fillList(int select)
{
    const QList<ListedRow> &rows = m_manager.rows();
    const QColor grey = m_list->palette().color(QPalette::Disabled, QPalette::Text);
    {
        // Filling sets the status boxes; those are not the user's clicks.
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        QList<QTreeWidgetItem *> items;
        items.reserve(rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i) {
            const ListedRow &row = rows.at(i);
            auto *item = new RowItem(row.fields);
            item->setData(0, rowIndexRole, static_cast<int>(i));
            if (row.readable()) {
                item->setCheckState(statusColumn, row.fields.at(3) == enabledStatus ? Qt::Checked : Qt::Unchecked);
            } else {
                const QString why = QStringLiteral("This row cannot be read and is not used: %1.").arg(row.problem);
                for (int column = 0; column < m_list->columnCount(); ++column) {
                    item->setForeground(column, grey);
                    item->setToolTip(column, why);
                }
            }
            items.append(item);
        }
        m_list->addTopLevelItems(items);
        if (m_sortColumn >= 0)
            m_list->sortItems(m_sortColumn, m_sortOrder);
        for (QTreeWidgetItem *item : std::as_const(items)) {
            if (item->data(0, rowIndexRole).toInt() == select) {
                m_list->setCurrentItem(item);
                m_list->scrollToItem(item);
            }
        }
    }
    applyFilter();
    showProblems();
}

void TldManagerWindow::applyFilter()
{
    const QList<ListedRow> &rows = m_manager.rows();
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_list->topLevelItem(i);
        // A hidden row drops out of the selection, so the buttons never act on a row the user cannot see.
        item->setHidden(!TldManager::rowMatches(rows.value(item->data(0, rowIndexRole).toInt()), m_filter->text()));
    }
}

void TldManagerWindow::showProblems()
{
    const QList<ListedRow> &rows = m_manager.rows();
    const int selected = selectedRowIndex();
    const auto unreadable =
        std::count_if(rows.begin(), rows.end(), [](const ListedRow &row) { return !row.readable(); });
    if (selected >= 0 && !rows.at(selected).readable()) {
        m_problems->setText(QStringLiteral("This row cannot be read: %1. Lookups do not use it. Repair it in the "
                                           "fields below and press Add/Save, or delete it.")
                                .arg(rows.at(selected).problem));
    } else if (unreadable > 0) {
        m_problems->setText((unreadable == 1
                                 ? QStringLiteral("1 row cannot be read and is not used")
                                 : QStringLiteral("%1 rows cannot be read and are not used").arg(unreadable)) +
                            QStringLiteral(" (shown in grey). Select one to see why."));
    }
    m_problems->setVisible(unreadable > 0);
}

QList<QStringList> TldManagerWindow::displayedRows() const
{
    QList<QStringList> rows;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const int index = m_list->topLevelItem(i)->data(0, rowIndexRole).toInt();
        // The line as stored, however many fields it has.
        rows.append(m_manager.rows().value(index).text.split(QLatin1Char('|')));
    }
    return rows;
}

int TldManagerWindow::selectedRowIndex() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : selected.constFirst()->data(0, rowIndexRole).toInt();
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
    const RowEdit edit = m_manager.selectRow(item->data(0, rowIndexRole).toInt());
    m_ext->setText(edit.extension);
    m_server->setText(edit.server);
    m_port->setText(edit.port);
    m_throttle->setText(edit.throttle);
    m_success->setText(edit.successPhrases);
}

void TldManagerWindow::statusChanged(QTreeWidgetItem *item, int column)
{
    if (column != statusColumn)
        return;
    const int index = item->data(0, rowIndexRole).toInt();
    const bool enabled = m_manager.rows().value(index).fields.value(3) == enabledStatus;
    if ((item->checkState(statusColumn) == Qt::Checked) == enabled)
        return;
    // The list is refilled once the click that changed the box is over: the item must outlive it.
    QMetaObject::invokeMethod(
        this,
        [this, index] {
            m_manager.toggle(index);
            fillList(index);
        },
        Qt::QueuedConnection);
}

void TldManagerWindow::focusField(EditField field)
{
    QLineEdit *const boxes[] = {nullptr, m_ext, m_server, m_port, m_throttle, m_success};
    QLineEdit *box = boxes[static_cast<int>(field)];
    if (!box)
        return;
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
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
        fillList(selectedRowIndex());
    else
        focusField(m_manager.refusedField());
}

void TldManagerWindow::toggle()
{
    const int index = selectedRowIndex();
    if (index < 0)
        return;
    m_manager.toggle(index);
    fillList(index);
}

void TldManagerWindow::deleteSelected()
{
    const int index = selectedRowIndex();
    if (index < 0 || !m_manager.deleteRow(index))
        return;
    fillList();
    m_ext->clear();
    m_server->clear();
    m_port->clear();
}

void TldManagerWindow::restoreDefaults()
{
    if (m_manager.restoreDefaults())
        fillList();
}

void TldManagerWindow::addCurrentTlds()
{
    if (m_manager.addCurrentTlds())
        fillList(selectedRowIndex());
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
    const int index = selectedRowIndex();
    if (index < 0)
        return;
    const QString domain =
        lookup::TestQuery::composeTestDomain(m_testWord->text(), m_manager.rows().at(index).fields.at(0));
    if (m_test.startTestQuery(domain))
        m_answer->showText(QStringLiteral("Testing %1 ...").arg(domain));
    else if (m_test.problem() != NameProblem::None)
        m_answer->showText(tr("Nothing was sent: %1 is no domain that can be registered (%2).")
                               .arg(domain, problemText(m_test.problem())));
    else
        m_answer->showText(QStringLiteral("Nothing was sent: no row of the TLD table serves %1.").arg(domain));
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
