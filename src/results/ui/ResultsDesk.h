#pragma once

#include <QGroupBox>

class QLayout;

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace results {

class DomainListModel;
class ResultListView;

/// The frame "Domain Name Manager" with the five result lists, their captions and their Copy, Delete
/// and Clear buttons, plus the Setup and Visit buttons. Lists are numbered 1 Low Profile,
/// 2 Registered, 3 High Profile, 4 Mid Profile, 5 Saved Domains.
class ResultsDesk : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int listCount = 5;

    explicit ResultsDesk(QWidget *parent = nullptr);

    /// List @p number (1 to 5).
    ResultListView *list(int number) const { return m_lists.at(number - 1); }
    QLabel *caption(int number) const { return m_labels.at(number - 1); }
    QPushButton *copyButton(int number) const { return m_copy.at(number - 1); }
    QPushButton *deleteButton(int number) const { return m_delete.at(number - 1); }
    QPushButton *clearButton(int number) const { return m_clear.at(number - 1); }
    QPushButton *setupButton() const { return m_setup; }
    QPushButton *websiteButton() const { return m_website; }
    /// Narrows every list to the entries holding its text, as the user types.
    QLineEdit *filterBox() const { return m_filter; }
    /// The order every list shows its entries in: as found, by name, by length.
    QComboBox *orderChooser() const { return m_order; }

    /// Shows @p model in list @p number.
    void setModel(int number, DomainListModel *model);

    static QString restingCaption(int number);

private:
    QWidget *buildColumn(int number, QWidget *parent);
    QLayout *buildFilterRow();
    void applyFilter();

    std::array<ResultListView *, listCount> m_lists{};
    std::array<QLabel *, listCount> m_labels{};
    std::array<QPushButton *, listCount> m_copy{};
    std::array<QPushButton *, listCount> m_delete{};
    std::array<QPushButton *, listCount> m_clear{};
    QPushButton *m_setup = nullptr;
    QPushButton *m_website = nullptr;
    QLineEdit *m_filter = nullptr;
    QComboBox *m_order = nullptr;
};

} // namespace results
