#pragma once

#include "results/ListActions.h"
#include "results/ListDrag.h"

#include <QKeySequence>
#include <QListView>

#include <functional>

namespace results {

class DomainListModel;
class DomainOpener;
class ListFilterModel;

/**
 * A result list: reports presses, double-clicked entries and the Delete key to its controller, starts
 * a drag of the positions of its selection when it is a drag source, and hands drops on to its
 * controller when it accepts them. It changes no list itself.
 */
class ResultListView : public QListView {
    Q_OBJECT
public:
    explicit ResultListView(QWidget *parent = nullptr);

    /// Lets the user drag the selection away as list @p number (0: no drags).
    void setDragSourceNumber(int number);

    /// Accepts dropped text and reports it with dropped().
    void setAcceptsListDrops(bool accepts);

    /// Shows @p list through a filter that the user can narrow and sort (setModel shows it as it is).
    void setDomainList(DomainListModel *list);
    /// The filter in front of the list; null when the list is shown as it is.
    ListFilterModel *filter() const;

    /// Rows of the selected entries in the list underneath, in ascending order.
    QList<int> selectedRows() const;
    /// The selected entries in the list's own order.
    QStringList selectedEntries() const;
    DomainListModel *domainList() const;

    /// The drag the current selection would start.
    ListDrag currentDrag() const;

    /// Adds an item to the context menu of an entry; @p run gets the entry the menu was opened on.
    void addEntryAction(const QString &objectName, const QString &caption,
                        std::function<void(const QString &entry)> run);
    /// Adds an item for the whole selection to the context menu; @p key (when not UnknownKey) runs it
    /// from the keyboard too.
    void addSelectionAction(const QString &objectName, const QString &caption, QKeySequence::StandardKey key,
                            std::function<void()> run);

signals:
    void listPressed();
    void entryDoubleClicked(const QString &entry);
    void deleteKeyPressed(results::DeleteKeyAction action);
    /// Ctrl+Z in the list.
    void undoRequested();
    void dropped(const results::ListDrag &drag);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void updateDragDropMode();

    struct EntryAction {
        QString objectName;
        QString caption;
        std::function<void(const QString &)> run;
        QKeySequence::StandardKey key = QKeySequence::UnknownKey;
    };

    int m_dragSourceNumber = 0;
    bool m_acceptsDrops = false;
    QList<EntryAction> m_entryActions;
};

/// The context menu every result list offers: "Buy..." and "WHOIS record..." for the entry.
void offerBuyAndLookup(ResultListView &view, const DomainOpener &opener);

} // namespace results
