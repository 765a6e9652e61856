#include "results/ui/ResultsDesk.h"

#include "results/DomainListModel.h"
#include "results/ListFilterModel.h"
#include "results/ui/LikelyMarkDelegate.h"
#include "results/ui/ResultListView.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace results {

namespace {

struct ListText {
    const char *caption;
    const char *hint;
};

// Indexed by list number - 1.
constexpr ListText listTexts[ResultsDesk::listCount] = {
    {QT_TRANSLATE_NOOP("results::ResultsDesk", "Low Profile"),
     QT_TRANSLATE_NOOP("results::ResultsDesk", "These domains have 8 or more characters.")},
    {QT_TRANSLATE_NOOP("results::ResultsDesk", "Registered"),
     QT_TRANSLATE_NOOP("results::ResultsDesk", "These domain names are already registered.")},
    {QT_TRANSLATE_NOOP("results::ResultsDesk", "High Profile"),
     QT_TRANSLATE_NOOP("results::ResultsDesk", "These domains have less than 5 characters")},
    {QT_TRANSLATE_NOOP("results::ResultsDesk", "Mid Profile"),
     QT_TRANSLATE_NOOP("results::ResultsDesk", "These domains have 5 to 7 characters")},
    {QT_TRANSLATE_NOOP("results::ResultsDesk", "Saved Domains"),
     QT_TRANSLATE_NOOP("results::ResultsDesk", "Drag a domain name here to save it.")},
};

// Columns left to right as the user reads them: High, Mid, Low, Registered, Saved.
constexpr int columnOrder[ResultsDesk::listCount] = {3, 4, 1, 2, 5};

QPushButton *indexedButton(const char *name, int number, const QString &caption, const QString &hint, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name) + QLatin1Char('_') + QString::number(number));
    button->setToolTip(hint);
    // Five columns have a "Copy" button each: the name says whose.
    button->setAccessibleName(hint + QStringLiteral(": ") + ResultsDesk::restingCaption(number));
    // Narrower than the style's usual button, never narrower than its caption: where five columns do not
    // fit, the columns scroll instead.
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(caption) + 20);
    return button;
}

} // namespace

QString ResultsDesk::restingCaption(int number)
{
    return tr(listTexts[number - 1].caption);
}

ResultsDesk::ResultsDesk(QWidget *parent) : QGroupBox(tr("Domain Name Manager"), parent)
{
    setObjectName(QStringLiteral("Frame2"));
    QLayout *filterRow = buildFilterRow(); // first, so that Tab reaches it before the lists
    // On a narrow window (a small screen, a large scale factor) the columns scroll sideways rather than
    // squeeze their buttons until the captions are cut off.
    auto *scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("listColumns"));
    scroller->setAccessibleName(tr("Result lists"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *strip = new QWidget(scroller);
    auto *columns = new QHBoxLayout(strip);
    columns->setContentsMargins(0, 0, 0, 0);
    for (int number : columnOrder)
        columns->addWidget(buildColumn(number, strip), 1);
    scroller->setWidget(strip);
    // As tall as the columns need; as narrow as the window allows.
    scroller->setMinimumHeight(strip->minimumSizeHint().height() +
                               scroller->horizontalScrollBar()->sizeHint().height());

    m_setup = new QPushButton(tr("Setup"), this);
    m_setup->setObjectName(QStringLiteral("cmdSetup"));
    m_website = new QPushButton(tr("Visit"), this);
    m_website->setObjectName(QStringLiteral("cmdWebsite"));
    m_setup->setAccessibleName(tr("Setup: the TLD manager"));
    m_website->setAccessibleName(tr("Visit the registrar's website"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_setup);
    buttons->addStretch(1);
    buttons->addWidget(m_website);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(scroller, 1);
    layout->addLayout(buttons);
}

QWidget *ResultsDesk::buildColumn(int number, QWidget *parent)
{
    auto *column = new QWidget(parent);
    const ListText &text = listTexts[number - 1];
    auto *caption = new QLabel(tr(text.caption), column);
    caption->setObjectName(QStringLiteral("Label") + QString::number(number));
    auto *list = new ResultListView(column);
    list->setObjectName(QStringLiteral("List") + QString::number(number));
    list->setItemDelegate(new LikelyMarkDelegate(list));
    list->setToolTip(tr(text.hint));
    list->setAccessibleName(tr(text.caption));
    list->setAccessibleDescription(tr(text.hint));
    caption->setBuddy(list);
    list->setSelectionMode(number <= 4 ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);

    auto *buttons = new QHBoxLayout;
    m_copy[number - 1] = indexedButton("cmdCopy", number, tr("Copy"), tr("Copy List"), column);
    m_delete[number - 1] = indexedButton("cmdClear", number, tr("Delete"), tr("Delete Selected Item"), column);
    m_clear[number - 1] = indexedButton("cmdClear2", number, tr("Clear"), tr("Clear List"), column);
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

QLayout *ResultsDesk::buildFilterRow()
{
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("txtFilter"));
    m_filter->setPlaceholderText(tr("Filter the lists (Ctrl+F)"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setAccessibleName(tr("Filter the lists"));
    auto *filterLabel = new QLabel(tr("F&ilter:"), this);
    filterLabel->setObjectName(QStringLiteral("lblFilter"));
    filterLabel->setBuddy(m_filter);
    m_order = new QComboBox(this);
    m_order->setObjectName(QStringLiteral("cmbOrder"));
    m_order->addItems({tr("As found"), tr("By name"), tr("By length")});
    m_order->setAccessibleName(tr("Sort the lists"));
    auto *orderLabel = new QLabel(tr("So&rt:"), this);
    orderLabel->setObjectName(QStringLiteral("lblOrder"));
    orderLabel->setBuddy(m_order);
    connect(m_filter, &QLineEdit::textChanged, this, &ResultsDesk::applyFilter);
    connect(m_order, &QComboBox::currentIndexChanged, this, &ResultsDesk::applyFilter);

    auto *row = new QHBoxLayout;
    row->addWidget(filterLabel);
    row->addWidget(m_filter, 1);
    row->addWidget(orderLabel);
    row->addWidget(m_order);
    return row;
}

void ResultsDesk::applyFilter()
{
    const auto order = ListOrder(std::max(0, m_order->currentIndex()));
    for (ResultListView *view : m_lists) {
        if (ListFilterModel *shown = view->filter()) {
            shown->setFilterText(m_filter->text());
            if (shown->order() != order)
                shown->setOrder(order);
        }
    }
}

void ResultsDesk::setModel(int number, DomainListModel *model)
{
    list(number)->setDomainList(model);
    applyFilter();
}

} // namespace results
