#include "results/ListDrag.h"

#include "results/DomainListModel.h"

#include <QMimeData>

#include <algorithm>

namespace results {

namespace {

// Strict decimal only: a blank, a sign or a domain name from another program is not a position.
int positionOf(QStringView piece)
{
    const QStringView trimmed = piece.trimmed();
    if (trimmed.isEmpty())
        return -1;
    for (QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    }
    bool ok = false;
    const int position = trimmed.toInt(&ok);
    return ok ? position : -1;
}

} // namespace

QString listDragFormat()
{
    return QStringLiteral("application/x-quarrytide-list-drag");
}

QString dragPositionsText(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QStringList pieces;
    for (int row : rows)
        pieces.append(QString::number(row));
    return pieces.join(QLatin1Char('|'));
}

ListDrag ListDrag::fromRows(int number, const DomainListModel &list, QList<int> rows)
{
    ListDrag drag;
    drag.positions = dragPositionsText(std::move(rows));
    drag.sourceList = number;
    for (QStringView piece : QStringView(drag.positions).split(QLatin1Char('|'), Qt::SkipEmptyParts))
        drag.entries.append(list.entry(positionOf(piece)));
    return drag;
}

QMimeData *ListDrag::toMimeData() const
{
    auto *data = new QMimeData;
    data->setText(positions);
    if (sourceList > 0) {
        const QStringList record = QStringList{QString::number(sourceList)} + entries;
        data->setData(listDragFormat(), record.join(QLatin1Char('\n')).toUtf8());
    }
    return data;
}

ListDrag ListDrag::fromMimeData(const QMimeData &data)
{
    ListDrag drag;
    drag.positions = data.text();
    if (!data.hasFormat(listDragFormat()))
        return drag;
    QStringList record = QString::fromUtf8(data.data(listDragFormat())).split(QLatin1Char('\n'));
    bool ok = false;
    const int number = record.takeFirst().toInt(&ok);
    if (ok && number > 0) {
        drag.sourceList = number;
        drag.entries = record;
    }
    return drag;
}

QStringList entriesToDrop(const ListDrag &drag, const DomainListModel &source)
{
    QStringList dropped;
    const QList<QStringView> pieces = QStringView(drag.positions).split(QLatin1Char('|'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const int position = positionOf(pieces.at(i));
        if (position < 0 || position >= source.count())
            continue;
        const QString entry = source.entry(position);
        if (drag.sourceList > 0 && (i >= drag.entries.size() || drag.entries.at(i) != entry))
            continue;
        dropped.append(entry);
    }
    return dropped;
}

} // namespace results
