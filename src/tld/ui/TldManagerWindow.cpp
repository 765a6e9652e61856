#include "tld/ui/TldManagerWindow.h"

#include "platform/ui/FlowLayout.h"
#include "platform/ui/WindowFit.h"
#include "platform/ui/WindowKeys.h"
#include "tld/DomainRule.h"
#include "tld/Routing.h"
#include "tld/TldRecord.h"
#include "tld/TldTableModel.h"
#include "tld/ui/TestAnswerPanel.h"
#include "zones/ZoneScreen.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QVBoxLayout>

namespace tld {

namespace {

QLabel *hiddenLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setVisible(false);
    return label;
}

QLabel *buddyLabel(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// Rows the program cannot read are drawn in grey; they can still be selected, to be repaired or deleted.
class UnreadableInGrey : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!index.data(TldTableModel::ReadableRole).toBool())
            option->palette.setColor(QPalette::Text, option->palette.color(QPalette::Disabled, QPalette::Text));
    }
};

} // namespace

TldManagerWindow::TldManagerWindow(const TldManagerContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_manager(context.tlds, context.settings, context.messages, context.debugFilePath),
      m_test(context.tlds, context.messages, this), m_model(new TldTableModel(m_manager, this)),
      m_rows(new TldRowFilter(this)), m_list(new QTreeView(this)),
      m_answer(new TestAnswerPanel(context.clipboard, this))
{
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(tr("TLD Manager"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_rows->setSourceModel(m_model);
    m_list->setObjectName(QStringLiteral("lstDomains"));
    m_list->setAccessibleName(tr("List of Top Level Domains"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setItemDelegate(new UnreadableInGrey(m_list));
    m_list->setModel(m_rows);
    const int widths[] = {90, 220, 50, 80, 60};
    for (int column = 0; column < 5; ++column)
        m_list->setColumnWidth(column, widths[column]);
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSortIndicatorShown(false);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, &TldManagerWindow::sortByColumn);
    connect(m_list, &QTreeView::clicked, this, &TldManagerWindow::showRow);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TldManagerWindow::showRow);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TldManagerWindow::showProblems);
    connect(m_model, &TldTableModel::statusToggled, this, &TldManagerWindow::showProblems);
    m_problems = new QLabel(this);
    m_problems->setObjectName(QStringLiteral("lblProblems"));
    m_problems->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildFilterRow());
    // The list takes the height the window has to spare, and shows a few rows even on a small screen.
    m_list->setMinimumHeight(m_list->fontMetrics().height() * 9);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_problems);
    // Below the list, what does not fit a small screen (or a large scale factor) scrolls.
    auto *lower = new QWidget(this);
    auto *lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(buildEditor());
    lowerLayout->addWidget(buildSettings());
    auto *scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(lower);
    scroller->setAccessibleName(tr("Row editor and settings"));
    // Whole where the screen allows it, and never more than half of the screen.
    const int screenHeight = screen() ? screen()->availableGeometry().height() : 800;
    scroller->setMinimumHeight(std::min(lower->sizeHint().height(), screenHeight / 2));
    layout->addWidget(scroller);

    m_test.setPhraseSource([this] { return m_success->text(); });
    m_test.setReportSink([this](const QString &text) { m_answer->showText(text); });
    connect(&m_test, &lookup::TestQuery::stateChanged, this, [this](lookup::TestQuery::State state) {
        // Judged: the verdict follows at once, unless the name is a placeholder the verdict is not shown for.
        if (state == lookup::TestQuery::State::Judged)
            m_answer->showText(tr("No verdict is shown for %1.").arg(m_test.testDomain()));
    });
    connect(&m_bootstrap, &lookup::BootstrapDownload::downloaded, this, [this](const QByteArray &json) {
        m_updateServers->setEnabled(true);
        if (m_manager.updateServers(json))
            refreshTable(selectedRowIndex());
    });
    connect(&m_bootstrap, &lookup::BootstrapDownload::failed, this, [this](const QString &reason) {
        m_updateServers->setEnabled(true);
        m_manager.serverUpdateFailed(reason);
    });
    showProblems();
    // Typing goes to the filter first: finding a TLD is what the window is opened for most.
    m_filter->setFocus();
    setTabOrder(m_filter, m_list);
    platform::resizeWithinScreen(this, QSize(920, 760));
    platform::closeOnEscape(this);
    // The buttons choose their letters first: they are what the window is worked with.
    QList<QWidget *> keyed;
    for (const char *name :
         {"cmdTest", "cmdSave", "Command1", "cmdToggle", "Command2", "Command3", "cmdAddCurrent", "cmdUpdateServers"})
        keyed.append(findChild<QWidget *>(QLatin1String(name)));
    for (QLabel *label : findChildren<QLabel *>())
        keyed.append(label);
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        keyed.append(button);
    platform::giveMnemonics(this, keyed);
}

TldManagerWindow::~TldManagerWindow()
{
    // Children outlive the members: the list and its models go while the manager they show is still there.
    delete m_list;
    delete m_rows;
    delete m_model;
}

QWidget *TldManagerWindow::buildFilterRow()
{
    auto *row = new QWidget(this);
    m_filter = addField("txtFilter", row);
    m_filter->setAccessibleName(tr("Filter the TLD rows"));
    m_filter->setPlaceholderText(tr("extension or server"));
    m_filter->setToolTip(tr("Shows the rows whose extension or server holds this text; the rows found by their "
                            "extension come first."));
    m_filter->setClearButtonEnabled(true);
    m_filter->setMinimumWidth(220);
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_rows->setFilterText(text);
        // The best match is where the eye goes: at the top, and in view.
        if (!text.trimmed().isEmpty())
            m_list->scrollToTop();
    });
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buddyLabel(tr("List of Top Level Domains:"), m_list, row));
    layout->addStretch(1);
    layout->addWidget(buddyLabel(tr("&Filter:"), m_filter, row));
    layout->addWidget(m_filter);
    return row;
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
    m_server->setPlaceholderText(tr("whois.nic.example, or https://rdap.example/ for RDAP"));
    m_server->setToolTip(tr("A WHOIS server, or the base address of an RDAP service (https://..., asked at that "
                            "address + domain/NAME; the port is not used)"));
    connect(m_server, &QLineEdit::textChanged, this, &TldManagerWindow::showServerKind);
    auto *form = new QFormLayout;
    form->addRow(buddyLabel(tr("Extension:"), m_ext, editor), m_ext);
    form->addRow(buddyLabel(tr("Server:"), m_server, editor), m_server);
    form->addRow(buddyLabel(tr("Port:"), m_port, editor), m_port);
    form->addRow(buddyLabel(tr("Throttle (ms):"), m_throttle, editor), m_throttle);
    form->addRow(buddyLabel(tr("Success Indicators:"), m_success, editor), m_success);
    m_zone = new QLabel(editor);
    m_zone->setObjectName(QStringLiteral("lblZone"));
    form->addRow(tr("Zone:"), m_zone);

    auto *buttons = new platform::FlowLayout;
    const auto addButton = [&](const char *name, const QString &caption, void (TldManagerWindow::*handler)()) {
        auto *button = new QPushButton(caption, editor);
        button->setObjectName(QLatin1String(name));
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button);
        return button;
    };
    addButton("cmdSave", tr("Add/Save"), &TldManagerWindow::save);
    addButton("Command1", tr("New Extension"), &TldManagerWindow::newExtension);
    addButton("cmdToggle", tr("Enable/Disable"), &TldManagerWindow::toggle);
    addButton("Command2", tr("Delete Selected"), &TldManagerWindow::deleteSelected);
    addButton("Command3", tr("Restore Defaults"), &TldManagerWindow::restoreDefaults);
    addButton("cmdAddCurrent", tr("Add current TLDs"), &TldManagerWindow::addCurrentTlds);
    m_updateServers = addButton("cmdUpdateServers", tr("Update servers"), &TldManagerWindow::updateServers);
    addButton("Command4", QStringLiteral("DEBUG"), &TldManagerWindow::exportDebug)->setVisible(false);
    addButton("cmdTest", tr("Test Selected"), &TldManagerWindow::testSelected);

    auto *fields = new QHBoxLayout;
    fields->addLayout(form, 1);
    // As tall as the fields beside it: the list above takes the height to spare.
    m_answer->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
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
    auto *defaults = new QGroupBox(tr("Defaults:"), box);
    m_testWord = addField("txtsearch", defaults);
    m_defaultExt = addField("txtDefault", defaults);
    m_browsePause = addField("txtthrot", defaults);
    m_browsePause->setVisible(false);
    auto *form = new QFormLayout(defaults);
    form->addRow(buddyLabel(tr("Use this domain when testing registrars in the list below:"), m_testWord, defaults));
    form->addRow(m_testWord);
    form->addRow(buddyLabel(tr("Use the following TLD as the default (generally com)"), m_defaultExt, defaults));
    form->addRow(m_defaultExt);
    form->addRow(hiddenLabel(tr("(Note: Other areas of the program use the individual throttle "
                                "settings below)"),
                             defaults));
    form->addRow(hiddenLabel(tr("Pause for this many milliseconds after each domain is scanned in "
                                "Browse for Domains mode:"),
                             defaults));
    form->addRow(m_browsePause);

    auto *proxyBox = new QGroupBox(tr("Proxy WHOIS server:"), box);
    m_proxy = new QCheckBox(tr("Use the server entered under the extension \"proxy\" for all whois lookups"), proxyBox);
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

    auto *layout = new platform::FlowLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(defaults);
    layout->addWidget(proxyBox);
    return box;
}

void TldManagerWindow::refreshTable(int select)
{
    m_model->reload();
    if (select >= 0)
        selectRow(select);
    showProblems();
}

void TldManagerWindow::selectRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    m_rows->keepInView(row);
    const QModelIndex shown = m_rows->mapFromSource(m_model->index(row, 0));
    m_list->selectionModel()->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(shown);
}

void TldManagerWindow::showProblems()
{
    const QList<ListedRow> &rows = m_manager.rows();
    const int selected = selectedRowIndex();
    const auto unreadable =
        std::count_if(rows.begin(), rows.end(), [](const ListedRow &row) { return !row.readable(); });
    if (selected >= 0 && !rows.at(selected).readable()) {
        m_problems->setText(tr("This row cannot be read: %1. Lookups do not use it. Repair it in the "
                               "fields below and press Add/Save, or delete it.")
                                .arg(rows.at(selected).problem));
    } else if (unreadable > 0) {
        m_problems->setText(unreadable == 1 ? tr("1 row cannot be read and is not used (shown in grey). Select one "
                                                 "to see why.")
                                            : tr("%1 rows cannot be read and are not used (shown in grey). Select one "
                                                 "to see why.")
                                                  .arg(unreadable));
    }
    m_problems->setVisible(unreadable > 0);
}

QList<QStringList> TldManagerWindow::displayedRows() const
{
    QList<QStringList> rows;
    for (int i = 0; i < m_rows->rowCount(); ++i) {
        const int index = m_rows->mapToSource(m_rows->index(i, 0)).row();
        // The line as stored, however many fields it has.
        rows.append(m_manager.rows().value(index).text.split(QLatin1Char('|')));
    }
    return rows;
}

int TldManagerWindow::selectedRowIndex() const
{
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : m_rows->mapToSource(selected.constFirst()).row();
}

void TldManagerWindow::sortByColumn(int column)
{
    if (m_model->rowCount() == 0)
        return;
    // One order for all columns, flipped on every click; the first click sorts descending.
    m_rows->sortByColumn(column);
    m_list->header()->setSortIndicatorShown(true);
    m_list->header()->setSortIndicator(column, m_rows->order());
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        m_list->scrollTo(selected.constFirst());
}

void TldManagerWindow::showRow(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    const RowEdit edit = m_manager.selectRow(m_rows->mapToSource(index).row());
    for (auto [field, text] :
         {std::pair{m_ext, edit.extension}, std::pair{m_server, edit.server}, std::pair{m_port, edit.port},
          std::pair{m_throttle, edit.throttle}, std::pair{m_success, edit.successPhrases}}) {
        field->setText(text);
        field->setCursorPosition(0); // a long phrase list shows its beginning
    }
    showZone(edit.extension);
}

void TldManagerWindow::setZonesFolder(const QString &folder)
{
    m_zones = std::make_unique<zones::ZoneScreen>(folder);
}

void TldManagerWindow::showZone(const QString &extension)
{
    if (!m_zones)
        return;
    m_zones->reload(); // a zone imported while the window is open
    const QString tld = extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
    const std::optional<zones::ZoneInfo> info = m_zones->zoneInfo(tld);
    if (!info) {
        const QString problem = m_zones->problem(tld);
        m_zone->setText(problem.isEmpty() ? tr("none imported") : problem);
        return;
    }
    m_zone->setText(tr("%1, %2 names")
                        .arg(QLocale().toString(info->sourceDate.date(), QLocale::ShortFormat),
                             QLocale().toString(qulonglong(info->count))));
}

void TldManagerWindow::showServerKind(const QString &server)
{
    // An RDAP row is asked at its address: the port does not apply.
    const bool rdap = isRdapServer(server.trimmed());
    m_port->setEnabled(!rdap);
    m_port->setToolTip(rdap ? tr("Not used: an RDAP server is asked at its https:// address.") : QString());
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
    // The saved row stays selected and in view, whatever the filter or the sort.
    if (saved)
        refreshTable(m_manager.rowOf(edit.extension.toLower()));
    else
        focusField(m_manager.refusedField());
}

void TldManagerWindow::toggle()
{
    const int index = selectedRowIndex();
    if (index < 0)
        return;
    m_manager.toggle(index);
    refreshTable(index);
}

void TldManagerWindow::deleteSelected()
{
    const int index = selectedRowIndex();
    if (index < 0 || !m_manager.deleteRow(index))
        return;
    refreshTable();
    m_ext->clear();
    m_server->clear();
    m_port->clear();
}

void TldManagerWindow::restoreDefaults()
{
    if (m_manager.restoreDefaults())
        refreshTable();
}

void TldManagerWindow::addCurrentTlds()
{
    const int selected = selectedRowIndex();
    if (m_manager.addCurrentTlds())
        refreshTable(selected);
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
    // The answer of an earlier test never stands beside a new question.
    m_answer->showText(QString());
    const int index = selectedRowIndex();
    if (index < 0) {
        m_answer->showText(tr("Nothing was sent: select the row to test in the list first."));
        return;
    }
    const ListedRow &row = m_manager.rows().at(index);
    TldRecord record;
    if (!row.readable() || !parseRow(row.text, record)) {
        m_answer->showText(tr("Nothing was sent: this row cannot be read (%1). Repair it first.").arg(row.problem));
        return;
    }
    const QString domain = lookup::TestQuery::composeTestDomain(m_testWord->text(), row.fields.at(0));
    if (m_test.startTestQuery(domain, &record))
        m_answer->showText(tr("Testing %1 ...").arg(domain));
    else if (m_test.problem() != NameProblem::None)
        m_answer->showText(tr("Nothing was sent: %1 is no domain that can be registered (%2).")
                               .arg(domain, problemText(m_test.problem())));
    else
        m_answer->showText(tr("Nothing was sent: no row of the TLD table serves %1.").arg(domain));
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
