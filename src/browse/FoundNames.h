#pragma once

#include <QSet>
#include <QString>

namespace browse {

/// Every name queued since the browse window opened or its Unregistered list was cleared. The
/// duplicate test compares whole names without regard to case.
class FoundNames {
public:
    bool contains(const QString &name) const { return m_names.contains(name.trimmed().toLower()); }
    void add(const QString &name) { m_names.insert(name.trimmed().toLower()); }
    void clear() { m_names.clear(); }
    qsizetype size() const { return m_names.size(); }

private:
    QSet<QString> m_names;
};

} // namespace browse
