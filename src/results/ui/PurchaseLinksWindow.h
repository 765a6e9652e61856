#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;

namespace platform {
class MessageBoxes;
class ProgramSettings;
} // namespace platform

namespace results {

struct PurchaseLinks;

/// "Purchase Links" (Options menu): whether a double-click opens the registrar's page or the WHOIS record,
/// and the registrar's search address. OK stores both; Cancel leaves them as they were.
class PurchaseLinksWindow : public QWidget {
    Q_OBJECT
public:
    PurchaseLinksWindow(PurchaseLinks &links, platform::ProgramSettings &settings, platform::MessageBoxes *messages,
                        QWidget *parent = nullptr);

    /// OK: stores the choice unless the address is unfit, which is named in a message instead.
    bool accept();

signals:
    /// The purchase links changed.
    void changed();

private:
    PurchaseLinks &m_links;
    platform::ProgramSettings &m_settings;
    platform::MessageBoxes *m_messages;
    QCheckBox *m_enabled;
    QLineEdit *m_address;
};

} // namespace results
