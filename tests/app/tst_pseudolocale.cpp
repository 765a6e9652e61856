#include "StartedProgram.h"
#include "results/DomainListModel.h"
#include "results/ui/ResultListView.h"
#include "results/ui/ResultsDesk.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

namespace {

const QChar openMark(0x2039);
const QChar closeMark(0x203A);

// Marks every text that passes through tr() or translate(), so a text that reaches the screen unmarked never did.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return openMark + QString::fromUtf8(source) + closeMark;
    }
};

// Texts that are data, not words: numbers, domain names and extensions, the extensions the program offers.
bool isData(const QString &text)
{
    static const QRegularExpression numbersAndSigns(QStringLiteral("^[\\d\\s.,:;%()/+-]*$"));
    static const QRegularExpression domainOrExtension(QStringLiteral("^\\.?[a-z0-9-]+(\\.[a-z0-9-]+)*$"));
    static const QStringList productNames = {QStringLiteral("Quarrytide"), QStringLiteral("Marlowfen")};
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    return numbersAndSigns.match(plain).hasMatch() || domainOrExtension.match(plain).hasMatch() ||
           productNames.contains(plain);
}

class TextCollector {
public:
    void check(const QString &where, const QString &text)
    {
        if (!text.isEmpty() && !text.contains(openMark) && !isData(text))
            offenders.append(where + QStringLiteral(": \"") + text + QLatin1Char('"'));
    }

    void checkActions(const QString &where, const QList<QAction *> &actions)
    {
        for (QAction *action : actions) {
            if (action->isSeparator())
                continue;
            check(where + QLatin1Char('/') + action->objectName(), action->text());
            if (action->menu())
                checkMenu(action->menu());
        }
    }

    void checkMenu(const QMenu *menu)
    {
        check(menu->objectName(), menu->title());
        checkActions(menu->objectName(), menu->actions());
    }

    void checkHeaders(const QString &where, const QAbstractItemView *view)
    {
        const QAbstractItemModel *model = view->model();
        if (!model)
            return;
        for (int column = 0; column < model->columnCount(); ++column)
            check(where + QStringLiteral(" column"), model->headerData(column, Qt::Horizontal).toString());
    }

    void checkWidget(const QWidget *widget)
    {
        const QString where = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                             : widget->objectName();
        if (widget->isWindow())
            check(where + QStringLiteral(" title"), widget->windowTitle());
        if (const auto *label = qobject_cast<const QLabel *>(widget))
            check(where, label->text());
        else if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            check(where, button->text());
        else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            check(where, group->title());
        else if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
            check(where + QStringLiteral(" placeholder"), edit->placeholderText());
        else if (const auto *tabs = qobject_cast<const QTabWidget *>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(where + QStringLiteral(" tab"), tabs->tabText(i));
        } else if (const auto *combo = qobject_cast<const QComboBox *>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                check(where + QStringLiteral(" item"), combo->itemText(i));
        } else if (const auto *view = qobject_cast<const QAbstractItemView *>(widget)) {
            if (qobject_cast<const QHeaderView *>(widget) == nullptr)
                checkHeaders(where, view);
        }
        checkActions(where, widget->actions());
    }

    void checkWindow(const QWidget *window)
    {
        checkWidget(window);
        for (const QWidget *child : window->findChildren<QWidget *>()) {
            if (child->isVisibleTo(window) && !qobject_cast<const QMenu *>(child))
                checkWidget(child);
        }
    }

    QStringList offenders;
};

} // namespace

class TestPseudoLocale : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&m_translator)); }
    void cleanupTestCase() { QCoreApplication::removeTranslator(&m_translator); }
    void everyVisibleTextIsTranslated_data();
    void everyVisibleTextIsTranslated();

private:
    MarkingTranslator m_translator;
};

void TestPseudoLocale::everyVisibleTextIsTranslated_data()
{
    QTest::addColumn<QString>("part");
    QTest::newRow("main window") << "main window";
    QTest::newRow("TLD manager") << "TLD manager";
    QTest::newRow("result lists and their menus") << "result lists";
}

void TestPseudoLocale::everyVisibleTextIsTranslated()
{
    QFETCH(QString, part);
    testing::PreparedFolder prepared(testing::loopbackTable(1));
    testing::StartedProgram program(prepared.folder);
    program.window->show();
    TextCollector texts;
    if (part == QLatin1String("main window")) {
        texts.checkWindow(program.window.get());
    } else if (part == QLatin1String("TLD manager")) {
        program.window->openTldManager();
        auto *manager = program.window->findChild<QWidget *>(QStringLiteral("frmSettings"));
        QVERIFY(manager);
        texts.checkWindow(manager);
    } else {
        results::ResultsDesk *desk = program.window->desk();
        texts.checkWindow(desk);
        // The menu of an entry exists only while it is open.
        results::ResultListView *list = desk->list(3);
        list->domainList()->append(QStringLiteral("quarrylane.com"));
        const QPoint where = list->visualRect(list->model()->index(0, 0)).center();
        QContextMenuEvent request(QContextMenuEvent::Mouse, where, list->viewport()->mapToGlobal(where));
        QCoreApplication::sendEvent(list->viewport(), &request);
        auto *menu = list->findChild<QMenu *>(QStringLiteral("mnuEntry"));
        QVERIFY(menu);
        texts.checkMenu(menu);
        menu->close();
    }
    texts.offenders.removeDuplicates();
    // One line each: the failure message alone would be cut short.
    for (const QString &offender : std::as_const(texts.offenders))
        qWarning("not translated: %s", qPrintable(offender));
    QVERIFY2(texts.offenders.isEmpty(), qPrintable(QString::number(texts.offenders.size()) +
                                                   QStringLiteral(" texts were not translated (listed above)")));
}

QTEST_MAIN(TestPseudoLocale)
#include "tst_pseudolocale.moc"
