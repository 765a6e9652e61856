#pragma once

#include "browse/FoundNames.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QWebEnginePage;
class QWebEngineView;

namespace lookup {
struct QueryOutcome;
}
namespace engine {
class ServerProblems;
}
namespace platform {
class AppFolder;
class ElidingLabel;
struct Services;
} // namespace platform
namespace results {
class ResultClasses;
class DomainListModel;
class DomainOpener;
class ResultListView;
struct PurchaseLinks;
} // namespace results
namespace tld {
class TldRegistry;
}

namespace browse {

class BrowseChecker;

/// What the browse window works with; all of it outlives the window.
struct BrowseContext {
    const platform::AppFolder &folder;
    tld::TldRegistry &tlds;
    results::ResultClasses &results;
    const results::PurchaseLinks &links; ///< also the first page shown: the registrar's start page
    QString productName;
    QString &selectedDomain;
    const platform::Services &services;
    engine::ServerProblems &problems; ///< where the servers that fail are listed

    std::function<void(const QString &domain)> openLookup;
};

/**
 * "Browse for Domains": a web browser whose every loaded page (and frame) is scanned for domain names
 * of enabled extensions; the names are queued and checked one by one over the window's own connection,
 * at each server's pace. Free names go to Unregistered, taken ones to Registered, and both to the main
 * window.
 */
class BrowseWindow : public QWidget {
    Q_OBJECT
public:
    explicit BrowseWindow(const BrowseContext &context, QWidget *parent = nullptr);
    ~BrowseWindow() override;

    /// Loads the window and its first page (the registrar's start page unless a test points elsewhere).
    void load(const QString &homeAddress = QString());
    void navigate(const QString &address);

    /// Address of a shortcut button by its caption.
    static QString shortcutAddress(const QString &caption);

    BrowseChecker &checker() { return *m_checker; }
    results::DomainListModel *unregisteredList() const { return m_lists.at(0); }
    results::DomainListModel *registeredList() const { return m_lists.at(1); }
    QString statusPanel(int number) const;

    void emptyList(int number);
    void deleteSelected(int number);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildNavigation();
    QWidget *buildShortcuts();
    QWidget *buildListColumn(int number);
    void setPanel(int number, const QString &text);
    void showQueueProgress();
    void scanWhenLoaded(QWebEnginePage *page);
    void showOutcome(const lookup::QueryOutcome &outcome);
    void scanPage(QWebEnginePage *page);
    void pageScanned(int count);
    void goToTypedAddress();
    void clearCache();
    void deleteQueueFile();

    BrowseContext m_context;
    QString m_home;
    QWebEngineView *m_browser1;
    QWebEnginePage *m_browser2;
    QComboBox *m_address;
    std::array<results::DomainListModel *, 2> m_lists{};
    std::array<results::ResultListView *, 2> m_views{};
    std::array<QLabel *, 2> m_labels{};
    std::array<platform::ElidingLabel *, 3> m_panels{};
    QProgressBar *m_progress = nullptr;
    BrowseChecker *m_checker;
    std::unique_ptr<results::DomainOpener> m_opener;
    FoundNames m_session;
    int m_pageFoundCount = 0;
};

} // namespace browse
