#pragma once

#include <QWidget>

namespace app {

struct PartnerLinks;

/// Product name, version and web address.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(const app::PartnerLinks &links, QWidget *parent = nullptr);
};

} // namespace app
