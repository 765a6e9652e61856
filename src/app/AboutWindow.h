#pragma once

#include <QWidget>

namespace results {
struct PartnerLinks;
}

namespace app {

/// Product name, version and web address.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(const results::PartnerLinks &links, QWidget *parent = nullptr);
};

} // namespace app
