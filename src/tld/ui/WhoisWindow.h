#pragma once

#include "lookup/RdapRecordRequest.h"
#include "lookup/WhoisRecordRequest.h"

#include <QWidget>

#include <memory>

class QTextEdit;

namespace tld {

/// "WHOIS Information": the full record of one domain, shown in one piece once it has arrived: from the
/// RDAP service of the domain's row when the row names one (in words, then as sent), else from one fixed
/// WHOIS server. Each opening is a fresh window with a fresh question.
class WhoisWindow : public QWidget {
    Q_OBJECT
public:
    /// Asks about the registrable domain of @p domain at once: at @p rdapBase when it is not empty, else
    /// at @p server; says why when @p domain names none.
    WhoisWindow(const QString &domain, const lookup::WhoisServer &server, const QString &rdapBase = QString(),
                QWidget *parent = nullptr);

    QString domain() const { return m_domain; }
    QString shownText() const;

signals:
    /// The answer is on show.
    void answerShown();

private:
    void showText(const QString &text);

    QString m_domain;
    std::unique_ptr<lookup::WhoisRecordRequest> m_whois;
    std::unique_ptr<lookup::RdapRecordRequest> m_rdap;
    QTextEdit *m_text;
};

} // namespace tld
