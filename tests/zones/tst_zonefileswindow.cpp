#include "HttpFixtureServer.h"
#include "StartedProgram.h"
#include "ZoneFiles.h"
#include "zones/CzdsClient.h"
#include "zones/ui/ZoneFilesWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

using namespace zones;
using testing::HttpAnswer;
using testing::HttpRequest;

namespace {

template <typename T> T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("control %s is missing", name);
    return found;
}

} // namespace

class TestZoneFilesWindow : public QObject {
    Q_OBJECT
private slots:
    void importsAChosenFileFromTheToolsMenu();
    void keepsThePasswordInTheKeychainOnlyWhenAsked_data();
    void keepsThePasswordInTheKeychainOnlyWhenAsked();
};

void TestZoneFilesWindow::importsAChosenFileFromTheToolsMenu()
{
    const testing::TestFolder folder;
    QVERIFY(testing::writeFile(folder.file(QStringLiteral("com.zone.gz")),
                               testing::gzip(testing::czdsZone(QStringLiteral("com"), {QStringLiteral("example")}))));
    QVERIFY(testing::writeFile(folder.file(QStringLiteral("words.txt")), "example\nshop\n"));
    testing::StartedProgram program(folder);
    program.window->menuItem(QStringLiteral("mnuZoneFiles"))->trigger();
    ZoneFilesWindow *window = program.window->zoneFilesWindow();
    QVERIFY(window && window->isVisible() && window->objectName() == QLatin1String("frmZoneFiles"));
    QSignalSpy changed(window, &ZoneFilesWindow::zonesChanged);

    program.fakes.dialogs.nextOpen = folder.file(QStringLiteral("com.zone.gz"));
    control<QPushButton>(window, "cmdImportZone")->click();
    QVERIFY(changed.wait(10000));
    auto *list = control<QTreeWidget>(window, "lstZones");
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral(".com"));
    QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("1"));

    program.fakes.dialogs.nextOpen = folder.file(QStringLiteral("words.txt"));
    control<QPushButton>(window, "cmdImportZone")->click();
    QTRY_COMPARE_WITH_TIMEOUT(program.fakes.messages.shown.size(), 1, 10000);
    QVERIFY(program.fakes.messages.texts().at(0).contains(QStringLiteral("not a zone file")));
    QCOMPARE(list->topLevelItemCount(), 1);
}

void TestZoneFilesWindow::keepsThePasswordInTheKeychainOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("remember");
    QTest::addColumn<QString>("keychainFailure");
    QTest::newRow("kept") << true << QString();
    QTest::newRow("not asked") << false << QString();
    QTest::newRow("no keychain") << true << QStringLiteral("No keychain service available");
}

void TestZoneFilesWindow::keepsThePasswordInTheKeychainOnlyWhenAsked()
{
    QFETCH(bool, remember);
    QFETCH(QString, keychainFailure);
    testing::HttpFixtureServer account;
    testing::HttpFixtureServer api;
    QVERIFY(account.listen() && api.listen());
    account.setScript([](const HttpRequest &) { return HttpAnswer::rdap(200, R"({"accessToken":"t0k3n"})"); });
    const QByteArray links = "[\"" + api.address(QStringLiteral("/czds/downloads/net.zone")).toLatin1() + "\"]";
    api.setScript([links](const HttpRequest &) { return HttpAnswer::rdap(200, links); });
    const testing::TestFolder folder;
    platform::ProgramSettings settings(folder.settingsFolder());
    settings.setCzdsAccountUrl(QUrl(account.address()));
    settings.setCzdsApiUrl(QUrl(api.address()));
    testing::FakeServices fakes;
    fakes.secrets.kept.insert(QStringLiteral("czds-password"), QStringLiteral("old"));
    fakes.secrets.failure = keychainFailure;

    auto window = std::make_unique<ZoneFilesWindow>(ZoneFilesContext{folder.appFolder(), settings, fakes.services()});
    control<QLineEdit>(window.get(), "txtCzdsUser")->setText(QStringLiteral("hunter@example.org"));
    control<QLineEdit>(window.get(), "txtCzdsPassword")->setText(QStringLiteral("right"));
    control<QCheckBox>(window.get(), "chkCzdsRemember")->setChecked(remember);
    control<QPushButton>(window.get(), "cmdCzdsSignIn")->click();
    auto *zones = control<QListWidget>(window.get(), "lstCzdsZones");
    QTRY_COMPARE_WITH_TIMEOUT(zones->count(), 1, 10000);
    QCOMPARE(zones->item(0)->text(), QStringLiteral(".net"));
    QCOMPARE(account.requests().at(0).body, QByteArray(R"({"password":"right","username":"hunter@example.org"})"));
    QCOMPARE(settings.czdsUser(), QStringLiteral("hunter@example.org"));

    const QString expected = !keychainFailure.isEmpty() ? QStringLiteral("old")
                             : remember                 ? QStringLiteral("right")
                                                        : QString();
    QTRY_COMPARE(fakes.secrets.kept.value(QStringLiteral("czds-password")), expected);
    if (!keychainFailure.isEmpty()) {
        QTRY_VERIFY(control<QLabel>(window.get(), "lblCzdsStatus")->text().contains(keychainFailure));
        return;
    }
    // The next window finds the password where it was kept, and only there.
    window = std::make_unique<ZoneFilesWindow>(ZoneFilesContext{folder.appFolder(), settings, fakes.services()});
    QCOMPARE(control<QLineEdit>(window.get(), "txtCzdsUser")->text(), QStringLiteral("hunter@example.org"));
    QTRY_COMPARE(control<QLineEdit>(window.get(), "txtCzdsPassword")->text(), expected);
    QCOMPARE(control<QCheckBox>(window.get(), "chkCzdsRemember")->isChecked(), remember);
}

QTEST_MAIN(TestZoneFilesWindow)
#include "tst_zonefileswindow.moc"
