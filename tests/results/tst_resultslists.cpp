#include "FakeServices.h"
#include "TestFolder.h"
#include "results/DomainListModel.h"
#include "results/ListActions.h"
#include "results/ListDrag.h"
#include "results/PurchaseLinks.h"
#include "results/RememberedList.h"

#include <QUrlQuery>
#include <QtTest>

using namespace results;

namespace {

DomainListModel *listOf(const QStringList &entries, QObject *parent)
{
    auto *list = new DomainListModel(parent);
    list->setEntries(entries);
    return list;
}

} // namespace

class TestResultsLists : public QObject {
    Q_OBJECT
private slots:
    void rememberedLinesSkipEmptyAndSingleBlank_data();
    void rememberedLinesSkipEmptyAndSingleBlank();
    void rememberedFileRoundTripsAndAppends();
    void dropTakesOnlyPositionsThatStillHold_data();
    void dropTakesOnlyPositionsThatStillHold();
    void deleteKeyFollowsTheShiftState_data();
    void deleteKeyFollowsTheShiftState();
    void purchaseLinkKeepsAHostileNameInsideItsQueryValue_data();
    void purchaseLinkKeepsAHostileNameInsideItsQueryValue();
    void purchaseAddressTemplates_data();
    void purchaseAddressTemplates();
};

void TestResultsLists::rememberedLinesSkipEmptyAndSingleBlank_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("start-up file") << QByteArray("\r\n") << QStringList{};
    QTest::newRow("blank lines") << QByteArray("\r\n \r\nkept.com\r\n\r\nalso.net\r\n")
                                 << QStringList{QStringLiteral("kept.com"), QStringLiteral("also.net")};
    QTest::newRow("two blanks are a line") << QByteArray("  \r\n") << QStringList{QStringLiteral("  ")};
    QTest::newRow("LF line ends") << QByteArray("one.com\ntwo.com\n \n")
                                  << QStringList{QStringLiteral("one.com"), QStringLiteral("two.com")};
    QTest::newRow("no final line end") << QByteArray("last.org") << QStringList{QStringLiteral("last.org")};
    QTest::newRow("Latin-1 byte") << QByteArray("caf\xe9.com\r\n") << QStringList{QStringLiteral("caf\u00e9.com")};
}

void TestResultsLists::rememberedLinesSkipEmptyAndSingleBlank()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, entries);
    QCOMPARE(RememberedList::parse(file), entries);
}

void TestResultsLists::rememberedFileRoundTripsAndAppends()
{
    testing::TestFolder folder;
    QDir().mkpath(folder.appFolder());
    const RememberedList remembered(folder.file(QStringLiteral("Remembered.txt")));
    DomainListModel saved;
    QCOMPARE(remembered.loadInto(saved), 0); // missing file: nothing
    saved.setEntries({QStringLiteral("a.com"), QStringLiteral("a.com"), QStringLiteral("b.net")});
    QVERIFY(remembered.save(saved));
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray("a.com\r\na.com\r\nb.net\r\n"));
    DomainListModel again;
    again.append(QStringLiteral("first.org"));
    QCOMPARE(remembered.loadInto(again), 3);
    QCOMPARE(again.entries(), (QStringList{QStringLiteral("first.org"), QStringLiteral("a.com"),
                                           QStringLiteral("a.com"), QStringLiteral("b.net")}));
    saved.clear();
    QVERIFY(remembered.save(saved));
    QCOMPARE(folder.read(QStringLiteral("Remembered.txt")), QByteArray());
}

void TestResultsLists::dropTakesOnlyPositionsThatStillHold_data()
{
    QTest::addColumn<QString>("positions");
    QTest::addColumn<int>("sourceList");
    QTest::addColumn<QStringList>("recorded");
    QTest::addColumn<QStringList>("dropped");
    const QString a = QStringLiteral("a.com"), b = QStringLiteral("b.com"), c = QStringLiteral("c.com");
    QTest::newRow("positions in order") << QStringLiteral("0|2") << 0 << QStringList{} << QStringList{a, c};
    QTest::newRow("text order is kept") << QStringLiteral("2|0|2") << 0 << QStringList{} << QStringList{c, a, c};
    QTest::newRow("empty text") << QString() << 0 << QStringList{} << QStringList{};
    QTest::newRow("other program's text") << QStringLiteral("see example.com|1| 2\r\n|-1|+1|1e0|99|99999999999") << 0
                                          << QStringList{} << QStringList{b, c};
    QTest::newRow("recorded entries still there")
        << QStringLiteral("0|1") << 3 << QStringList{a, b} << QStringList{a, b};
    QTest::newRow("stale position passed over")
        << QStringLiteral("0|1") << 3 << QStringList{a, QStringLiteral("x.com")} << QStringList{a};
    QTest::newRow("recorded fewer than positions") << QStringLiteral("0|1") << 3 << QStringList{a} << QStringList{a};
}

void TestResultsLists::dropTakesOnlyPositionsThatStillHold()
{
    QFETCH(QString, positions);
    QFETCH(int, sourceList);
    QFETCH(QStringList, recorded);
    QFETCH(QStringList, dropped);
    QScopedPointer<QObject> owner(new QObject);
    DomainListModel *source =
        listOf({QStringLiteral("a.com"), QStringLiteral("b.com"), QStringLiteral("c.com")}, owner.data());
    const ListDrag drag{positions, sourceList, recorded};
    QCOMPARE(entriesToDrop(drag, *source), dropped);
}

void TestResultsLists::deleteKeyFollowsTheShiftState_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("action");
    const int empty = int(DeleteKeyAction::EmptyList), del = int(DeleteKeyAction::DeleteSelection);
    QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier) << del;
    QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << empty;
    QTest::newRow("Shift+Delete on the keypad")
        << int(Qt::Key_Delete) << int(Qt::ShiftModifier | Qt::KeypadModifier) << empty;
    QTest::newRow("Shift+Ctrl+Delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier | Qt::ControlModifier) << del;
    QTest::newRow("Shift+Alt+Delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier | Qt::AltModifier) << del;
    QTest::newRow("Ctrl+Delete") << int(Qt::Key_Delete) << int(Qt::ControlModifier) << del;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::ShiftModifier) << int(DeleteKeyAction::None);
}

void TestResultsLists::deleteKeyFollowsTheShiftState()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, action);
    QCOMPARE(int(deleteKeyAction(key, Qt::KeyboardModifiers(modifiers))), action);
}

void TestResultsLists::purchaseLinkKeepsAHostileNameInsideItsQueryValue_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("plain") << QStringLiteral("Plain-Name.com") << QStringLiteral("Plain-Name.com");
    QTest::newRow("query breakers") << QStringLiteral("a b&aid=evil#x?y.com")
                                    << QStringLiteral("a%20b%26aid%3Devil%23x%3Fy.com");
    QTest::newRow("plus and percent") << QStringLiteral("a+b%41.com") << QStringLiteral("a%2Bb%2541.com");
    QTest::newRow("non-ASCII") << QStringLiteral("b\u00fccher.de") << QStringLiteral("b%C3%BCcher.de");
}

void TestResultsLists::purchaseLinkKeepsAHostileNameInsideItsQueryValue()
{
    QFETCH(QString, entry);
    QFETCH(QString, encoded);
    const PurchaseLinks links{true, QStringLiteral("https://registrar.example/go?aid=QT20417&domainToCheck=")};
    testing::FakeServices fakes;
    QString selected;
    DomainOpener opener(links, selected, &fakes.shell, nullptr);
    opener.open(entry);
    QCOMPARE(selected, entry);
    QCOMPARE(fakes.shell.openedUrls, QStringList{links.purchaseLinkPrefix + encoded});
    const QUrlQuery query(QUrl(fakes.shell.openedUrls.at(0)));
    QCOMPARE(query.queryItemValue(QStringLiteral("domainToCheck"), QUrl::FullyDecoded), entry);
    QCOMPARE(query.allQueryItemValues(QStringLiteral("aid")).size(), 1);
    QVERIFY(QUrl(fakes.shell.openedUrls.at(0)).fragment().isEmpty());
}

void TestResultsLists::purchaseAddressTemplates_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("fit");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("home");
    QTest::newRow("mark inside the query")
        << "https://r.example/find?q={domain}&src=qt" << true << "https://r.example/find?q=a%26b.com&src=qt"
        << "https://r.example/";
    QTest::newRow("mark twice, port kept")
        << "http://r.example:8080/{domain}?d={domain}" << true << "http://r.example:8080/a%26b.com?d=a%26b.com"
        << "http://r.example:8080/";
    QTest::newRow("no mark: appended") << "https://r.example/?d=" << true << "https://r.example/?d=a%26b.com"
                                       << "https://r.example/";
    QTest::newRow("no scheme") << "r.example/?d={domain}" << false << QString() << QString();
    QTest::newRow("other scheme") << "file:///tmp/{domain}" << false << QString() << QString();
    QTest::newRow("blank inside") << "https://r.example/?d= {domain}" << false << QString() << QString();
    QTest::newRow("empty") << QString() << false << QString() << QString();
}

void TestResultsLists::purchaseAddressTemplates()
{
    QFETCH(QString, address);
    QFETCH(bool, fit);
    QFETCH(QString, link);
    QFETCH(QString, home);
    QCOMPARE(isPurchaseAddress(address), fit);
    if (!fit)
        return;
    const PurchaseLinks links{true, address};
    QCOMPARE(purchaseLink(links, QStringLiteral("a&b.com")), link);
    QCOMPARE(registrarHome(links), home);
}

QTEST_GUILESS_MAIN(TestResultsLists)
#include "tst_resultslists.moc"
