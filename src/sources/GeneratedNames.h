#pragma once

#include <QAbstractListModel>
#include <QByteArray>

#include <vector>

namespace sources {

/**
 * The generated names, kept as the text of the list file they are written to (each name, CR LF and an
 * empty line) with the position where each name starts. Two million names take the bytes of the file
 * and one offset each, and writing the file is one write of the text.
 *
 * Names are added out of sight and become rows when they are published, so a long generation can add
 * names quickly and let the view catch up in a few large steps.
 */
class GeneratedNames : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void clear();
    /// Adds @p stem followed by @p ending (both already encoded) as one name.
    void add(const QByteArray &stem, const QByteArray &ending);
    /// Makes every added name a row of the model.
    void publish();

    int count() const { return int(m_starts.size()); }
    QString name(int index) const;
    QStringList names() const;
    /// The list file's text: every name, CR LF and a line end.
    const QByteArray &fileText() const { return m_text; }

private:
    QByteArray m_text;
    std::vector<qsizetype> m_starts;
    int m_rows = 0;
};

} // namespace sources
