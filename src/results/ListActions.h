#pragma once

#include <QString>
#include <Qt>

#include <functional>

namespace platform {
class ClipboardText;
class Shell;
} // namespace platform

namespace results {

class DomainListModel;
struct PurchaseLinks;

/// What the Delete key asks of a result list.
enum class DeleteKeyAction { None, EmptyList, DeleteSelection };

/// Delete with Shift alone empties the list; Delete with any other combination of Shift, Ctrl and Alt
/// (none included) deletes the selection; every other key does nothing.
DeleteKeyAction deleteKeyAction(int key, Qt::KeyboardModifiers modifiers);

/// Puts every entry of @p list, each followed by CR LF, on the clipboard (empty for an empty list).
void copyList(const DomainListModel *list, platform::ClipboardText *clipboard);

/**
 * The double-click rule of every result list: the entry becomes the selected domain, then either its
 * purchase link opens in the browser or, with purchase links off, the lookup window looks it up.
 */
class DomainOpener {
public:
    DomainOpener(const PurchaseLinks &links, QString &selectedDomain, platform::Shell *shell,
                 std::function<void(const QString &)> openLookup);

    void open(const QString &entry) const;

private:
    const PurchaseLinks &m_links;
    QString &m_selectedDomain;
    platform::Shell *m_shell;
    std::function<void(const QString &)> m_openLookup;
};

} // namespace results
