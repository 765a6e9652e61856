#pragma once

#include <QString>
#include <Qt>

#include <functional>

namespace platform {
class ClipboardText;
class MessageBoxes;
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
 * What a result list does with one entry: the entry becomes the selected domain, then its purchase link
 * opens in the browser or the lookup window looks it up. A double-click does the first while purchase
 * links are on, else the second; the context menu offers both.
 */
class DomainOpener {
public:
    DomainOpener(const PurchaseLinks &links, QString &selectedDomain, platform::Shell *shell,
                 std::function<void(const QString &)> openLookup, platform::MessageBoxes *messages = nullptr);

    /// The double-click.
    void open(const QString &entry) const;
    void buy(const QString &entry) const;
    void lookUp(const QString &entry) const;

private:
    const PurchaseLinks &m_links;
    QString &m_selectedDomain;
    platform::Shell *m_shell;
    platform::MessageBoxes *m_messages;
    std::function<void(const QString &)> m_openLookup;
};

} // namespace results
