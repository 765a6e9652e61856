#pragma once

#include <QComboBox>

namespace sources {

/**
 * The TLD choice of the word panel (`cmbTLDs`): a drop-down list whose first line stands for the default
 * extension and whose other lines are TLDs ticked and unticked one by one, so that a name without a dot
 * is checked in each ticked TLD. The box shows the ticked TLDs ("com, net, org"), or the default line
 * when none is ticked. Only a deliberate click on a line (pressed and released on it) or Space toggles the
 * line; opening and closing the list changes nothing, and Return closes it. Choosing a line as the current
 * one in code (setCurrentText) ticks that line alone.
 */
class TldChooser : public QComboBox {
    Q_OBJECT
public:
    explicit TldChooser(QWidget *parent = nullptr);

    /// Lists the default line and @p extensions. The TLDs ticked before stay ticked while listed.
    void setExtensions(const QString &defaultLabel, const QStringList &extensions);
    /// The ticked TLDs, in list order; empty: the default extension.
    QStringList chosenTlds() const;
    /// Ticks or unticks @p extension (a click on its line does the same).
    Q_INVOKABLE void setTicked(const QString &extension, bool ticked);
    /// What the box shows: the ticked TLDs joined by ", ", or the default line.
    QString shownText() const;
    void showPopup() override;

signals:
    void choiceChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void toggle(int index);
    void tickOnly(int index);
    bool isTicked(int index) const;
    void setTickedAt(int index, bool ticked);
    void markDefault();
    bool handleListKey(QKeyEvent *event);
    bool handleListMouse(QEvent *event);

    int m_pressedRow = -1; ///< the line a press in the open list began on; -1: none since it opened
};

} // namespace sources
