#pragma once

#include <QComboBox>

namespace sources {

/**
 * The source list (`Combo1`). It tells a choice from a move: a line chosen in the open list is a choice,
 * while the arrow keys, typed letters or the wheel on the closed list only move to another source, which
 * Return (or Start) then confirms. Changes made in code are neither.
 */
class SourceList : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    /// True while a key or the wheel moves the closed list to another source.
    bool isMoving() const { return m_moving; }
    /// True from the moment the open list closes on a line until that choice has been reported.
    bool isChoosing() const { return m_choosing; }
    void hidePopup() override;

signals:
    /// Return or Enter on the closed list: the source it shows is meant.
    void confirmed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool m_moving = false;
    bool m_choosing = false;
};

} // namespace sources
