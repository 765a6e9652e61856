#include "browse/ui/BrowseWindow.h"

#include "browse/BrowseChecker.h"
#include "browse/PageScanJob.h"
#include "engine/ui/EngineWords.h"
#include "engine/ui/ServerProblemsWindow.h"
#include "platform/AppFolder.h"
#include "platform/DesktopServices.h"
#include "platform/ui/ElidingLabel.h"
#include "platform/ui/WindowFit.h"
#include "results/DomainListModel.h"
#include "results/ListActions.h"
#include "results/PurchaseLinks.h"
#include "results/ResultClasses.h"
#include "results/ui/ResultListView.h"
#include "tld/TldRegistry.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <algorithm>

namespace browse {

namespace {

QPushButton *button(const QString &name, const QString &caption, const QString &hint, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    return b;
}

const QStringList &shortcutCaptions()
{
    static const QStringList captions = {QStringLiteral("Sedo"),
                                         QStringLiteral("Expired Traffic"),
                                         QStringLiteral("Deleted Domains"),
                                         QStringLiteral("Just Dropped"),
                                         QStringLiteral("AfterNIC"),
                                         QStringLiteral("DMOZ"),
                                         QStringLiteral("Google"),
                                         QStringLiteral("Yahoo")};
    return captions;
}

QUrl toUrl(const QString &address)
{
    return QUrl::fromUserInput(address);
}

// The window's own queue: the harvester's list in BrowserSearch.txt is never touched.
const QString queueFileName = QStringLiteral("BrowseQueue.txt");

} // namespace

QString BrowseWindow::shortcutAddress(const QString &caption)
{
    if (caption.contains(QLatin1String("afternic"), Qt::CaseInsensitive))
        return QStringLiteral("https://www.afternic.com/?utm_source=quarrytide&partner=QT20417");
    if (caption.contains(QLatin1String("sedo"), Qt::CaseInsensitive))
        return QStringLiteral("https://sedo.com/?partnerid=QT20417&language=us");
    if (caption.contains(QLatin1String("Expired Traffic"), Qt::CaseInsensitive))
        return QStringLiteral("https://www.expiredtraffic.com/?ref=quarrytide");
    QString bare = caption;
    bare.remove(QLatin1Char(' '));
    if (caption.contains(QLatin1String("dmoz"), Qt::CaseInsensitive))
        return QStringLiteral("http://www.") + bare + QStringLiteral(".org");
    return QStringLiteral("http://www.") + bare + QStringLiteral(".com");
}

BrowseWindow::BrowseWindow(const BrowseContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context), m_browser1(new QWebEngineView(this)),
      m_browser2(new QWebEnginePage(this)), m_address(new QComboBox(this)),
      m_checker(new BrowseChecker(context.tlds, context.results, context.folder.path(queueFileName), this)),
      m_opener(std::make_unique<results::DomainOpener>(context.links, context.selectedDomain, context.services.shell,
                                                       context.openLookup, context.services.messages))
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("Browse for Domains"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser1->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser1->setToolTip(tr("Searching for unique domain names."));
    m_browser2->setObjectName(QStringLiteral("WebBrowser2"));

    auto *lists = new QWidget(this);
    auto *listLayout = new QVBoxLayout(lists);
    listLayout->addWidget(buildListColumn(1));
    listLayout->addWidget(buildListColumn(2));
    auto *split = new QSplitter(this);
    split->addWidget(m_browser1);
    split->addWidget(lists);
    split->setStretchFactor(0, 4);

    auto *status = new QWidget(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    auto *statusLayout = new QHBoxLayout(status);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    m_progress = new QProgressBar(status);
    m_progress->setObjectName(QStringLiteral("progressRun"));
    m_progress->setAccessibleName(tr("Queued names checked"));
    m_progress->setFormat(tr("%v of %m checked"));
    m_progress->setRange(0, 0);
    m_progress->hide();
    statusLayout->addWidget(m_progress, 1);
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new platform::ElidingLabel(status);
        m_panels[i]->setObjectName(QStringLiteral("StatusBar1_") + QString::number(i + 1));
        m_panels[i]->setFrameShape(QFrame::StyledPanel);
        statusLayout->addWidget(m_panels[i], i == 2 ? 2 : 1);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildNavigation());
    layout->addWidget(buildShortcuts());
    layout->addWidget(split, 1);
    layout->addWidget(status);

    connect(m_browser1, &QWebEngineView::loadStarted, this, [this] {
        setPanel(2, tr("Waiting for page to load"));
        m_pageFoundCount = 0;
    });
    scanWhenLoaded(m_browser1->page());
    scanWhenLoaded(m_browser2);
    connect(m_browser1->page(), &QWebEnginePage::linkHovered, this, [this](const QString &url) { setPanel(3, url); });
    connect(m_browser1, &QWebEngineView::titleChanged, this, [this](const QString &title) {
        m_address->setEditText(m_browser1->url().toString());
        setWindowTitle(tr("%1 - %2").arg(title, m_context.productName));
    });
    connect(m_checker, &BrowseChecker::checking, this, [this](const QString &domain) {
        setPanel(1, tr("Checking status of: %1").arg(domain));
        showQueueProgress();
    });
    connect(m_checker, &BrowseChecker::outcome, this, &BrowseWindow::showOutcome);
    connect(m_checker, &BrowseChecker::queueDone, this, [this](int checked, bool pageHadNames) {
        setPanel(1, tr("Checked %1 unique domains.").arg(checked));
        if (pageHadNames)
            setPanel(2, tr("Finished domains on current page"));
        showQueueProgress();
    });
    connect(m_checker, &BrowseChecker::troubled, &context.problems, &engine::ServerProblems::add);
    connect(m_checker, &BrowseChecker::serverChanged, this, [this](const engine::ServerState &state) {
        m_context.problems.setState(state);
        if (state.phase != engine::ServerState::Phase::Pacing)
            setPanel(1, engine::EngineWords::serverState(state));
    });
    platform::resizeWithinScreen(this, QSize(1100, 720));
}

BrowseWindow::~BrowseWindow() = default;

QWidget *BrowseWindow::buildNavigation()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_address->setObjectName(QStringLiteral("text1"));
    m_address->setEditable(true);
    m_address->setInsertPolicy(QComboBox::NoInsert);
    m_address->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto *go = button(QStringLiteral("Command1"), tr("Go"), tr("Navigate to the current url!"), row);
    struct Nav {
        const char *name, *caption, *hint;
        QWebEnginePage::WebAction action;
    };
    const Nav navs[] = {{"cmdBack", QT_TR_NOOP("Back"), QT_TR_NOOP("Go Back"), QWebEnginePage::Back},
                        {"cmdFwd", QT_TR_NOOP("Forward"), QT_TR_NOOP("Go Forward"), QWebEnginePage::Forward},
                        {"cmdRefresh", QT_TR_NOOP("Refresh"), QT_TR_NOOP("Refresh"), QWebEnginePage::Reload},
                        {"cmdStop", QT_TR_NOOP("Stop"), QT_TR_NOOP("Stop"), QWebEnginePage::Stop}};
    auto *label = new QLabel(tr("URL:"), row);
    label->setObjectName(QStringLiteral("lblURL"));
    layout->addWidget(label);
    layout->addWidget(m_address, 1);
    layout->addWidget(go);
    for (const Nav &nav : navs) {
        QPushButton *b = button(QLatin1String(nav.name), tr(nav.caption), tr(nav.hint), row);
        connect(b, &QPushButton::clicked, this, [this, action = nav.action] { m_browser1->triggerPageAction(action); });
        layout->addWidget(b);
    }
    QPushButton *home = button(QStringLiteral("cmdHome"), tr("Home"), tr("Home"), row);
    connect(home, &QPushButton::clicked, this, [this] { navigate(m_home); });
    layout->addWidget(home);
    connect(go, &QPushButton::clicked, this, &BrowseWindow::goToTypedAddress);
    connect(m_address->lineEdit(), &QLineEdit::returnPressed, this, &BrowseWindow::goToTypedAddress);
    connect(m_address, &QComboBox::activated, this, [this](int index) { navigate(m_address->itemText(index)); });
    return row;
}

QWidget *BrowseWindow::buildShortcuts()
{
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < shortcutCaptions().size(); ++i) {
        const QString caption = shortcutCaptions().at(i);
        QPushButton *b = button(QStringLiteral("Command2_") + QString::number(i), caption, QString(), row);
        connect(b, &QPushButton::clicked, this, [this, caption] { navigate(shortcutAddress(caption)); });
        layout->addWidget(b);
    }
    QPushButton *cache = button(QStringLiteral("Command3"), tr("Clear Cache"),
                                tr("If you notice the program has stopped checking domains, please click "
                                   "here to correct the problem"),
                                row);
    connect(cache, &QPushButton::clicked, this, &BrowseWindow::clearCache);
    layout->addStretch(1);
    layout->addWidget(cache);
    return row;
}

QWidget *BrowseWindow::buildListColumn(int number)
{
    auto *column = new QWidget(this);
    const bool free = number == 1;
    m_labels[number - 1] = new QLabel(free ? tr("Unregistered:") : tr("Registered:"), column);
    m_labels[number - 1]->setObjectName(QStringLiteral("Label") + QString::number(number));
    m_lists[number - 1] = new results::DomainListModel(this);
    auto *view = new results::ResultListView(column);
    view->setObjectName(QStringLiteral("List") + QString::number(number));
    view->setModel(m_lists[number - 1]);
    if (free)
        view->setToolTip(tr("These domain names have not been registered."));
    m_views[number - 1] = view;
    connect(view, &results::ResultListView::entryDoubleClicked, this,
            [this](const QString &entry) { m_opener->open(entry); });
    results::offerBuyAndLookup(*view, *m_opener);
    connect(view, &results::ResultListView::deleteKeyPressed, this, [this, number](results::DeleteKeyAction action) {
        if (action == results::DeleteKeyAction::EmptyList)
            emptyList(number);
        else if (action == results::DeleteKeyAction::DeleteSelection)
            deleteSelected(number);
    });
    auto *buttons = new QHBoxLayout;
    const QString index = QString::number(number);
    QPushButton *copy = button(QStringLiteral("cmdCopy_") + index, tr("Copy"), tr("Copy List"), column);
    QPushButton *clear = button(QStringLiteral("cmdClear_") + index, tr("Clear"), tr("Clear List"), column);
    QPushButton *remove =
        button(QStringLiteral("cmdClear2_") + index, tr("Delete"), tr("Delete Selected Item"), column);
    connect(copy, &QPushButton::clicked, this,
            [this, number] { results::copyList(m_lists[number - 1], m_context.services.clipboard); });
    connect(clear, &QPushButton::clicked, this, [this, number] { emptyList(number); });
    connect(remove, &QPushButton::clicked, this, [this, number] { deleteSelected(number); });
    buttons->addWidget(copy);
    buttons->addWidget(remove);
    buttons->addWidget(clear);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_labels[number - 1]);
    layout->addWidget(view, 1);
    layout->addLayout(buttons);
    return column;
}

void BrowseWindow::load(const QString &homeAddress)
{
    setWindowState(windowState() | Qt::WindowMaximized);
    deleteQueueFile();
    m_home = homeAddress.isEmpty() ? results::registrarHome(m_context.links) : homeAddress;
    m_checker->start();
    navigate(m_home);
}

void BrowseWindow::navigate(const QString &address)
{
    m_browser1->setUrl(toUrl(address));
}

void BrowseWindow::goToTypedAddress()
{
    const QString typed = m_address->currentText();
    m_address->addItem(typed);
    navigate(typed);
}

void BrowseWindow::setPanel(int number, const QString &text)
{
    m_panels.at(number - 1)->showText(text);
}

void BrowseWindow::showOutcome(const lookup::QueryOutcome &outcome)
{
    // The captions count this window's lists: they are cleared on their own, apart from the main window's.
    if (outcome.kind == lookup::QueryOutcome::Kind::Available) {
        m_lists[0]->append(outcome.domain);
        m_labels[0]->setText(tr("Unregistered: (%1)").arg(m_lists[0]->count()));
        setPanel(1, tr("Unregistered: %1").arg(outcome.domain));
    } else if (outcome.kind == lookup::QueryOutcome::Kind::Registered) {
        m_lists[1]->append(outcome.domain);
        m_labels[1]->setText(tr("Registered: (%1)").arg(m_lists[1]->count()));
    }
    showQueueProgress();
}

void BrowseWindow::showQueueProgress()
{
    // The name being checked is not done yet; the queue grows with every page scanned.
    const int total = m_checker->foundTotal();
    const int done =
        std::clamp(m_checker->nextIndex() - (m_checker->state() == BrowseChecker::State::Checking ? 1 : 0), 0, total);
    m_progress->setVisible(total > 0);
    m_progress->setRange(0, std::max(1, total));
    m_progress->setValue(done);
}

QString BrowseWindow::statusPanel(int number) const
{
    return m_panels.at(number - 1)->text();
}

void BrowseWindow::scanWhenLoaded(QWebEnginePage *page)
{
    // Only what the user asked for, loaded as asked: never the browser's own error and placeholder
    // pages, whose text would otherwise be taken for names.
    connect(page, &QWebEnginePage::loadingChanged, this, [this, page](const QWebEngineLoadingInfo &info) {
        if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
            return;
        // A web page's success is its HTTP status; a file has none.
        const bool httpSuccess = info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain &&
                                 info.errorCode() >= 200 && info.errorCode() < 300;
        const bool loaded = info.status() == QWebEngineLoadingInfo::LoadSucceededStatus && !info.isErrorPage() &&
                            (httpSuccess || info.errorDomain() == QWebEngineLoadingInfo::NoErrorDomain);
        if (isScannablePage(info.url(), page->url(), loaded))
            scanPage(page);
    });
}

void BrowseWindow::scanPage(QWebEnginePage *page)
{
    page->runJavaScript(
        QStringLiteral("document.body ? document.body.innerHTML : ''"),
        [self = QPointer<BrowseWindow>(this), page](const QVariant &html) {
            if (!self)
                return;
            auto *scan = new PageScanJob(self->m_context.tlds.matcher(), self->m_session,
                                         self->m_context.folder.path(queueFileName), self);
            connect(scan, &PageScanJob::statusChanged, self, [self](const QString &text) { self->setPanel(2, text); });
            // A frame's source is read as the page wrote it: relative to the page.
            connect(scan, &PageScanJob::followFrame, self, [self, base = page->url()](const QString &address) {
                self->m_browser2->setUrl(base.resolved(QUrl(address)));
            });
            connect(scan, &PageScanJob::finished, self, [self, scan](int count) {
                self->pageScanned(count);
                scan->deleteLater();
            });
            scan->start(html.toString());
        });
}

void BrowseWindow::pageScanned(int count)
{
    m_pageFoundCount += count;
    m_checker->addQueued(count);
    m_checker->setPageFoundCount(m_pageFoundCount);
    m_checker->checkNextQueued();
}

void BrowseWindow::emptyList(int number)
{
    // Only this window's list: the main window's lists and their counters keep what they hold.
    m_lists.at(number - 1)->clear();
    if (number == 1) {
        m_session.clear();
        m_labels[0]->setText(tr("Unregistered"));
    } else {
        m_labels[1]->setText(tr("Registered"));
    }
}

void BrowseWindow::deleteSelected(int number)
{
    results::DomainListModel *list = m_lists.at(number - 1);
    list->removeEntries(m_views.at(number - 1)->selectedRows());
    m_labels.at(number - 1)
        ->setText((number == 1 ? tr("Unregistered (%1)") : tr("Registered (%1)")).arg(list->count()));
}

void BrowseWindow::clearCache()
{
    QFile::remove(m_context.folder.path(QStringLiteral("SearchOutput.txt")));
    m_browser1->page()->profile()->clearHttpCache();
    m_browser1->reload();
}

void BrowseWindow::deleteQueueFile()
{
    QFile::remove(m_context.folder.path(queueFileName));
}

void BrowseWindow::closeEvent(QCloseEvent *event)
{
    deleteQueueFile();
    QWidget::closeEvent(event);
}

} // namespace browse
