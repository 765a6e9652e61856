#include "tld/ui/BlockedNoticeWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

using namespace tld;

class TestBlockedNotice : public QObject {
    Q_OBJECT
private slots:
    void showsTheDocumentedWindow();
    void keepsTheFirstServerWhileOpen();
    void takesANewServerOnceTheFieldIsEmptied();
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
            label->text() == QStringLiteral("Your connections may be blocked by the following registar, or the "
                                            "registrar might be timing out and causing slow searching.  Consider "
                                            "using throttling to lower the amount of queries through the Setup "
                                            "menu or disable the TLD using this registrar.");
    }
    QVERIFY2(wordingFound, "notice text missing or worded differently");
}

void TestBlockedNotice::keepsTheFirstServerWhileOpen()
{
    BlockedNotice notice;
    notice.show(QStringLiteral("whois.first.net"), QStringLiteral("first answer"));
    BlockedNoticeWindow *window = notice.window();
    window->hide();
    notice.show(QStringLiteral("whois.second.net"), QStringLiteral("second answer"));
    QCOMPARE(notice.window(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->registrar(), QStringLiteral("whois.first.net"));
    QCOMPARE(window->response(), QStringLiteral("first answer"));
}

void TestBlockedNotice::takesANewServerOnceTheFieldIsEmptied()
{
    BlockedNotice notice;
    notice.show(QStringLiteral("whois.first.net"), QStringLiteral("first answer"));
    notice.window()->findChild<QLineEdit *>(QStringLiteral("txtRegistrar"))->clear();
    notice.show(QStringLiteral("whois.second.net"), QStringLiteral("second answer"));
    QCOMPARE(notice.window()->registrar(), QStringLiteral("whois.second.net"));
    QCOMPARE(notice.window()->response(), QStringLiteral("second answer"));
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
