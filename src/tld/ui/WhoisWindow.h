#pragma once

#include "lookup/WhoisLookup.h"

#include <QWidget>

class QTextEdit;

namespace tld {

/// "WHOIS Information": the full record of one domain from one fixed server, shown in one piece once
/// the server has closed the connection. Each opening is a fresh window with a fresh connection.
class WhoisWindow : public QWidget {
    Q_OBJECT
public:
    /// Asks @p server about @p domain at once.
    WhoisWindow(const QString &domain, const lookup::WhoisServer &server, QWidget *parent = nullptr);

    QString domain() const { return m_lookup.domain(); }
    QString shownText() const;

signals:
    /// The answer is on show.
    void answerShown();

private:
    lookup::WhoisLookup m_lookup;
    QTextEdit *m_text;
};

} // namespace tld
