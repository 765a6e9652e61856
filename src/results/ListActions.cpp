#include "results/ListActions.h"

#include "platform/DesktopServices.h"
#include "results/DomainListModel.h"
#include "results/PurchaseLinks.h"

namespace results {

DeleteKeyAction deleteKeyAction(int key, Qt::KeyboardModifiers modifiers)
{
    if (key != Qt::Key_Delete)
        return DeleteKeyAction::None;
    // The keypad flag is not a shift state: Delete on the keypad counts like the main Delete key.
    const Qt::KeyboardModifiers shiftState =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return shiftState == Qt::ShiftModifier ? DeleteKeyAction::EmptyList : DeleteKeyAction::DeleteSelection;
}

void copyList(const DomainListModel *list, platform::ClipboardText *clipboard)
{
    if (!clipboard)
        return;
    clipboard->setText(list ? list->clipboardText() : QString());
}

DomainOpener::DomainOpener(const PurchaseLinks &links, QString &selectedDomain, platform::Shell *shell,
                           std::function<void(const QString &)> openLookup, platform::MessageBoxes *messages)
    : m_links(links), m_selectedDomain(selectedDomain), m_shell(shell), m_messages(messages),
      m_openLookup(std::move(openLookup))
{}

void DomainOpener::open(const QString &entry) const
{
    if (m_links.purchaseLinksEnabled)
        buy(entry);
    else
        lookUp(entry);
}

void DomainOpener::buy(const QString &entry) const
{
    m_selectedDomain = entry;
    platform::openOrSay(m_shell, m_messages, purchaseLink(m_links, entry));
}

void DomainOpener::lookUp(const QString &entry) const
{
    m_selectedDomain = entry;
    if (m_openLookup)
        m_openLookup(entry);
}

} // namespace results
