#pragma once

#include <QLayout>
#include <QList>

namespace platform {

/**
 * Lays its widgets out in a row that wraps onto further rows where the width runs out, like words in a
 * line of text, so that a row of controls never cuts one off on a narrow screen. Hidden widgets take no
 * room. Every row is as tall as its tallest widget, and widgets are centred on it.
 */
class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget *parent = nullptr);
    ~FlowLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    /// Places the items in @p rect (only measures when @p place is false); returns the height used.
    int arrange(const QRect &rect, bool place) const;

    QList<QLayoutItem *> m_items;
};

} // namespace platform
