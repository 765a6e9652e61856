#include "tld/ui/BlockedNoticeWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace tld;

class TestBlockedNotice : public QObject {
    Q_OBJECT
private slots:
    void showsTheDocumentedWindow();
    void listsEveryServerWithItsLastAnswer();
    void closedWindowIsReplacedByAFreshOne();
};

void TestBlockedNotice::showsTheDocumentedWindow()
{
    BlockedNotice notice;
    notice.show(QStringLiteral("whois.example.net"), QStringLiteral("Too many requests"));
    BlockedNoticeWindow *window = notice.window();
    QVERIFY2(window, "no frmBlocked window after a blocked answer");
    QVERIFY(window->isVisible());
    QCOMPARE(window->objectName(), QStringLiteral("frmBlocked"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Registrar blocked"));
    auto *registrar = window->findChild<QLineEdit *>(QStringLiteral("txtRegistrar"));
    auto *response = window->findChild<QPlainTextEdit *>(QStringLiteral("txtResponse"));
    QVERIFY2(registrar, "txtRegistrar missing");
    QVERIFY2(response, "txtResponse missing");
    QCOMPARE(registrar->text(), QStringLiteral("whois.example.net"));
    QCOMPARE(response->toPlainText(), QStringLiteral("Too many requests"));
    bool wordingFound = false;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        wordingFound =
            wordingFound ||
            label->text() == QStringLiteral("Your connections may be blocked by the following registrar, or the "
                                            "registrar might be timing out and causing slow searching.  Consider "
                                            "using throttling to lower the amount of queries through the Setup "
                                            "menu or disable the TLD using this registrar.");
    }
    QVERIFY2(wordingFound, "notice text missing or worded differently");
}

void TestBlockedNotice::listsEveryServerWithItsLastAnswer()
{
    BlockedNotice notice;
    notice.show(QStringLiteral("whois.first.net"), QStringLiteral("first answer"));
    BlockedNoticeWindow *window = notice.window();
    QVERIFY(window->findChild<QLineEdit *>(QStringLiteral("txtRegistrar"))->isReadOnly());
    window->hide();
    notice.show(QStringLiteral("whois.second.net"), QStringLiteral("second answer"));
    notice.show(QStringLiteral("whois.first.net"), QStringLiteral("Connection Timed Out"));
    QCOMPARE(notice.window(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->servers(), (QStringList{QStringLiteral("whois.first.net"), QStringLiteral("whois.second.net")}));
    QCOMPARE(window->registrar(), QStringLiteral("whois.first.net"));
    QCOMPARE(window->response(), QStringLiteral("Connection Timed Out"));
    auto *rows = window->findChild<QTreeWidget *>(QStringLiteral("lstServers"));
    QCOMPARE(rows->topLevelItem(0)->text(1), QStringLiteral("2"));
    rows->setCurrentItem(rows->topLevelItem(1));
    QCOMPARE(window->response(), QStringLiteral("second answer"));
    // Closable by its own button.
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdClose")), Qt::LeftButton);
    QVERIFY(!window->isVisible());
}

void TestBlockedNotice::closedWindowIsReplacedByAFreshOne()
{
    BlockedNotice notice;
    notice.show(QStringLiteral("whois.first.net"), QStringLiteral("first answer"));
    QPointer<BlockedNoticeWindow> first = notice.window();
    first->close();
    QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 2000);
    notice.show(QStringLiteral("whois.second.net"), QStringLiteral("second answer"));
    QVERIFY(notice.window());
    QCOMPARE(notice.window()->registrar(), QStringLiteral("whois.second.net"));
}

QTEST_MAIN(TestBlockedNotice)
#include "tst_blockednotice.moc"
