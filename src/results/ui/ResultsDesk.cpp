#include "results/ui/ResultsDesk.h"

#include "results/DomainListModel.h"
#include "results/ui/ResultListView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace results {

namespace {

struct ListText {
    const char *caption;
    const char *hint;
};

// Indexed by list number - 1.
constexpr ListText listTexts[ResultsDesk::listCount] = {
    {"Low Profile", "These domains have 8 or more characters."},
    {"Registered", "These domain names are already registered."},
    {"High Profile", "These domains have less than 5 characters"},
    {"Mid Profile", "These domains have 5 to 7 characters"},
    {"Saved Domains", "Drag a domain name here to save it."},
};

// Columns left to right as the user reads them: High, Mid, Low, Registered, Saved.
constexpr int columnOrder[ResultsDesk::listCount] = {3, 4, 1, 2, 5};

QPushButton *indexedButton(const char *name, int number, const QString &caption, const QString &hint, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name) + QLatin1Char('_') + QString::number(number));
    button->setToolTip(hint);
    // Five columns of three buttons must still fit a small screen: buttons give up width first.
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    button->setMinimumWidth(40);
    return button;
}

} // namespace

QString ResultsDesk::restingCaption(int number)
{
    return QLatin1String(listTexts[number - 1].caption);
}

ResultsDesk::ResultsDesk(QWidget *parent) : QGroupBox(QStringLiteral("Domain Name Manager"), parent)
{
    setObjectName(QStringLiteral("Frame2"));
    auto *columns = new QHBoxLayout;
    for (int number : columnOrder)
        columns->addWidget(buildColumn(number), 1);

    m_setup = new QPushButton(QStringLiteral("Setup"), this);
    m_setup->setObjectName(QStringLiteral("cmdSetup"));
    m_website = new QPushButton(QStringLiteral("Visit"), this);
    m_website->setObjectName(QStringLiteral("cmdWebsite"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_setup);
    buttons->addStretch(1);
    buttons->addWidget(m_website);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
}

QWidget *ResultsDesk::buildColumn(int number)
{
    auto *column = new QWidget(this);
    const ListText &text = listTexts[number - 1];
    auto *caption = new QLabel(QLatin1String(text.caption), column);
    caption->setObjectName(QStringLiteral("Label") + QString::number(number));
    auto *list = new ResultListView(column);
    list->setObjectName(QStringLiteral("List") + QString::number(number));
    list->setToolTip(QLatin1String(text.hint));
    list->setSelectionMode(number <= 4 ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);

    auto *buttons = new QHBoxLayout;
    m_copy[number - 1] = indexedButton("cmdCopy", number, QStringLiteral("Copy"), QStringLiteral("Copy List"), column);
    m_delete[number - 1] =
        indexedButton("cmdClear", number, QStringLiteral("Delete"), QStringLiteral("Delete Selected Item"), column);
    m_clear[number - 1] =
        indexedButton("cmdClear2", number, QStringLiteral("Clear"), QStringLiteral("Clear List"), column);
    buttons->addWidget(m_copy[number - 1]);
    buttons->addWidget(m_delete[number - 1]);
    buttons->addWidget(m_clear[number - 1]);

    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);
    m_lists[number - 1] = list;
    m_labels[number - 1] = caption;
    return column;
}

void ResultsDesk::setModel(int number, DomainListModel *model)
{
    list(number)->setModel(model);
}

} // namespace results
