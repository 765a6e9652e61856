#include "sources/ui/TldChooser.h"

#include <QAbstractItemView>
#include <QtTest>

using sources::TldChooser;

namespace {

// A shown chooser with com, net and org ticked and the list open.
struct OpenChooser {
    OpenChooser()
    {
        chooser.setExtensions(QStringLiteral("(default: .com)"), {QStringLiteral("com"), QStringLiteral("net"),
                                                                  QStringLiteral("org"), QStringLiteral("io")});
        for (const char *tld : {"com", "net", "org"})
            chooser.setTicked(QLatin1String(tld), true);
        chooser.show();
        chooser.showPopup();
    }
    QAbstractItemView *list() const { return chooser.view(); }
    QPoint lineCentre(int row) const { return list()->visualRect(list()->model()->index(row, 0)).center(); }

    TldChooser chooser;
};

const QStringList ticked = {QStringLiteral("com"), QStringLiteral("net"), QStringLiteral("org")};

} // namespace

class TestTldChooser : public QObject {
    Q_OBJECT
private slots:
    void openingAndClosingLeavesTheTicks();
    void spaceTogglesAndReturnCloses();
    void aClickOnALineTogglesIt();
    void keysOnTheClosedBoxChangeNothing();
};

void TestTldChooser::openingAndClosingLeavesTheTicks()
{
    OpenChooser open;
    // The release of the opening click arrives over the current line, without a press of its own.
    QTest::mouseRelease(open.list()->viewport(), Qt::LeftButton, {}, open.lineCentre(1));
    QCOMPARE(open.chooser.chosenTlds(), ticked);
    QTest::keyClick(open.list(), Qt::Key_Escape);
    QTRY_VERIFY(!open.list()->isVisible());
    QCOMPARE(open.chooser.chosenTlds(), ticked);
}

void TestTldChooser::spaceTogglesAndReturnCloses()
{
    OpenChooser open;
    open.list()->setCurrentIndex(open.list()->model()->index(4, 0));
    QTest::keyClick(open.list(), Qt::Key_Space);
    QCOMPARE(open.chooser.chosenTlds(), ticked + QStringList{QStringLiteral("io")});
    QTest::keyClick(open.list(), Qt::Key_Up);
    QTest::keyClick(open.list(), Qt::Key_Space);
    QCOMPARE(open.chooser.chosenTlds(),
             (QStringList{QStringLiteral("com"), QStringLiteral("net"), QStringLiteral("io")}));
    QTest::keyClick(open.list(), Qt::Key_Return);
    QTRY_VERIFY(!open.list()->isVisible());
    QCOMPARE(open.chooser.chosenTlds(),
             (QStringList{QStringLiteral("com"), QStringLiteral("net"), QStringLiteral("io")}));
}

void TestTldChooser::aClickOnALineTogglesIt()
{
    OpenChooser open;
    QTest::mouseClick(open.list()->viewport(), Qt::LeftButton, {}, open.lineCentre(2));
    QCOMPARE(open.chooser.chosenTlds(), (QStringList{QStringLiteral("com"), QStringLiteral("org")}));
    QVERIFY(open.list()->isVisible());
    // A press on one line and a release on another is no click.
    QTest::mousePress(open.list()->viewport(), Qt::LeftButton, {}, open.lineCentre(3));
    QTest::mouseRelease(open.list()->viewport(), Qt::LeftButton, {}, open.lineCentre(4));
    QCOMPARE(open.chooser.chosenTlds(), (QStringList{QStringLiteral("com"), QStringLiteral("org")}));
}

void TestTldChooser::keysOnTheClosedBoxChangeNothing()
{
    OpenChooser open;
    open.chooser.hidePopup();
    QTRY_VERIFY(!open.list()->isVisible());
    for (const Qt::Key key : {Qt::Key_I, Qt::Key_End, Qt::Key_Down}) {
        QTest::keyClick(&open.chooser, key);
        QCOMPARE(open.chooser.chosenTlds(), ticked);
        open.chooser.hidePopup();
    }
}

QTEST_MAIN(TestTldChooser)
#include "tst_tldchooser.moc"
