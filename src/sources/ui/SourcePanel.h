#pragma once

#include "sources/ui/SourceList.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sources {

class TldChooser;

/// The source row of the main window: the source list, the word panel (start number, entry count,
/// Start, TLD choice), the search panel (search string, result count, Search) and Stop.
class SourcePanel : public QWidget {
    Q_OBJECT
public:
    explicit SourcePanel(QWidget *parent = nullptr);

    /// The nine sources, in list order (the Tools menu uses the same captions).
    static QStringList sourceNames();

    SourceList *sourceList() const { return m_combo1; }
    /// The name of the custom list being checked (its tooltip the whole path), or what confirms a move.
    QLabel *listFileLabel() const { return m_listFile; }
    TldChooser *tldChooser() const { return m_cmbTlds; }
    QComboBox *resultCount() const { return m_combo2; }
    QLineEdit *startNumber() const { return m_txtWordNum; }
    QLineEdit *entryCount() const { return m_txtWordMax; }
    QLineEdit *searchString() const { return m_txtSearch; }
    QPushButton *startButton() const { return m_cmdDoSearch; }
    QPushButton *stopButton() const { return m_command3; }
    QPushButton *searchButton() const { return m_cmdCreate; }

    void showWordPanel();
    void hideWordPanel();
    void showSearchPanel();
    void hideSearchPanel();

private:
    QWidget *buildWordPanel();
    QWidget *buildSearchPanel();

    SourceList *m_combo1;
    QLabel *m_listFile;
    QWidget *m_wordPanel = nullptr;
    QWidget *m_searchPanel = nullptr;
    QLineEdit *m_txtWordNum = nullptr;
    QLineEdit *m_txtWordMax = nullptr;
    QPushButton *m_cmdDoSearch = nullptr;
    TldChooser *m_cmbTlds = nullptr;
    QLineEdit *m_txtSearch = nullptr;
    QComboBox *m_combo2 = nullptr;
    QPushButton *m_cmdCreate = nullptr;
    QPushButton *m_command3;
};

} // namespace sources
