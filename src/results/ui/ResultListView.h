#pragma once

#include "results/ListActions.h"
#include "results/ListDrag.h"

#include <QListView>

#include <functional>

namespace results {

class DomainListModel;
class DomainOpener;

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
    int dragSourceNumber() const { return m_dragSourceNumber; }

    /// Accepts dropped text and reports it with dropped().
    void setAcceptsListDrops(bool accepts);

    /// Rows of the selected entries in ascending order.
    QList<int> selectedRows() const;
    DomainListModel *domainList() const;

    /// The drag the current selection would start.
    ListDrag currentDrag() const;

    /// Adds an item to the context menu of an entry; @p run gets the entry the menu was opened on.
    void addEntryAction(const QString &objectName, const QString &caption,
                        std::function<void(const QString &entry)> run);

signals:
    void listPressed();
    void entryDoubleClicked(const QString &entry);
    void deleteKeyPressed(results::DeleteKeyAction action);
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
    };

    int m_dragSourceNumber = 0;
    bool m_acceptsDrops = false;
    QList<EntryAction> m_entryActions;
};

/// The context menu every result list offers: "Buy..." and "WHOIS record..." for the entry.
void offerBuyAndLookup(ResultListView &view, const DomainOpener &opener);

} // namespace results
