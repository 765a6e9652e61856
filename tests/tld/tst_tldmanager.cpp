#include "FakeServices.h"
#include "StoredSettings.h"
#include "TestFolder.h"
#include "platform/ProgramSettings.h"
#include "tld/DefaultTlds.h"
#include "tld/TldManager.h"
#include "tld/TldRegistry.h"

#include <QtTest>

using namespace tld;

namespace {

const QByteArray sampleTable = "com|whois.example.com|43|Enabled|25|No match\r\n"
                               "here|whois.a.example|43|Disabled|25|#A#,No match\r\n"
                               "\r\n"
                               "uk|whois.nic.uk|43|enabled|25|No match for\r\n"
                               "here|whois.a.example|43|Disabled|25|#A#,No match\r\n"
                               "de|whois.denic.de|43|Disabled|25|free\r\n";

// Three lines the program cannot read between readable rows.
const QByteArray brokenTable = "com|whois.example.com|43|Enabled|25|No match\r\n"
                               "io|whois.nic.io|x43|Enabled|25|NOT FOUND\r\n"
                               "de|whois.denic.de|43|Disabled|25|free\r\n"
                               "a note left here\r\n"
                               "uk|whois.nic.uk|43|Disabled|fast|No match for\r\n";
const QList<QByteArray> brokenLines = {"io|whois.nic.io|x43|Enabled|25|NOT FOUND", "a note left here",
                                       "uk|whois.nic.uk|43|Disabled|fast|No match for"};

// One manager over a fresh folder holding the sample table.
struct Desk {
    testing::TestFolder folder;
    testing::RecordingMessageBoxes messages;
    platform::ProgramSettings settings{folder.settingsFolder()};
    TldRegistry tlds{folder.file(QStringLiteral("TLDs.txt"))};
    std::unique_ptr<TldManager> manager;

    explicit Desk(const QByteArray &table = sampleTable)
    {
        folder.write(QStringLiteral("TLDs.txt"), table);
        tlds.loadTldTable();
        manager = std::make_unique<TldManager>(tlds, settings, messages, folder.file(QStringLiteral("debug.txt")));
    }
    QByteArray file() const { return folder.read(QStringLiteral("TLDs.txt")); }
    QList<QByteArray> rows() const
    {
        QList<QByteArray> lines = file().split('\n');
        lines.removeAll(QByteArray());
        lines.removeAll(QByteArray("\r"));
        for (QByteArray &line : lines)
            line.chop(1);
        return lines;
    }
};

} // namespace

class TestTldManager : public QObject {
    Q_OBJECT
private slots:
    void addsNewExtensionWithDefaults_data();
    void addsNewExtensionWithDefaults();
    void replacesEveryRowOfAnExtensionInPlace();
    void refusesRowsTheFileCannotHold_data();
    void refusesRowsTheFileCannotHold();
    void toggleFlipsStatus_data();
    void toggleFlipsStatus();
    void deleteAsksAndKeepsFileOrder();
    void unreadableRowsSurviveEveryRewrite_data();
    void unreadableRowsSurviveEveryRewrite();
    void unreadableRowsCanBeRepairedOrDeleted();
    void restoreDefaultsReplacesEditedFile();
    void rdapRowsAreWrittenWithPort443();
    void addCurrentTldsLeavesEveryRowAsItIs();
    void updateServersFromTheBootstrapFile_data();
    void updateServersFromTheBootstrapFile();
    void defaultExtensionFocusOutRule_data();
    void defaultExtensionFocusOutRule();
    void debugExportWritesProgramTextLines();
};

void TestTldManager::addsNewExtensionWithDefaults_data()
{
    QTest::addColumn<int>("clickedRow");
    QTest::addColumn<QString>("status");
    QTest::newRow("fresh window") << -1 << QStringLiteral("Enabled");
    QTest::newRow("after clicking a disabled row") << 1 << QStringLiteral("Disabled");
    QTest::newRow("after New Extension") << -2 << QStringLiteral("Enabled");
}

void TestTldManager::addsNewExtensionWithDefaults()
{
    QFETCH(int, clickedRow);
    QFETCH(QString, status);
    Desk desk;
    if (clickedRow == -2) {
        desk.manager->selectRow(1);
        desk.manager->startNewRow();
    } else if (clickedRow >= 0) {
        desk.manager->selectRow(clickedRow);
    }
    RowEdit edit{QStringLiteral("CO.UK"), QStringLiteral("whois.nic.uk"), QStringLiteral("43"), QString(), QString()};
    QVERIFY(desk.manager->saveEdit(edit));
    QCOMPARE(edit.throttle, QStringLiteral("25"));
    QCOMPARE(edit.successPhrases, defaultSuccessPhrases);
    const QList<QByteArray> rows = desk.rows();
    QCOMPARE(rows.size(), 6);
    QCOMPARE(QString::fromUtf8(rows.last()),
             QStringLiteral("co.uk|whois.nic.uk|43|") + status + QStringLiteral("|25|") + defaultSuccessPhrases);
    QCOMPARE(desk.tlds.table().last().extension, QStringLiteral("co.uk"));
    QCOMPARE(desk.manager->rows().size(), 6);
    QVERIFY(desk.messages.shown.isEmpty());
}

void TestTldManager::replacesEveryRowOfAnExtensionInPlace()
{
    Desk desk;
    RowEdit edit = desk.manager->selectRow(1);
    edit.server = QStringLiteral("whois.b.example");
    QVERIFY(desk.manager->saveEdit(edit));
    const QByteArray replaced = "here|whois.b.example|43|Disabled|25|#A#,No match";
    QCOMPARE(desk.rows(), (QList<QByteArray>{"com|whois.example.com|43|Enabled|25|No match", replaced,
                                             "uk|whois.nic.uk|43|enabled|25|No match for", replaced,
                                             "de|whois.denic.de|43|Disabled|25|free"}));
    QCOMPARE(desk.tlds.table().at(3).server, QStringLiteral("whois.b.example"));
}

void TestTldManager::refusesRowsTheFileCannotHold_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<EditField>("field");
    const QString missing = QStringLiteral("Please enter valid information for all fields. The %1 field is empty.");
    const QString port = QStringLiteral("The port must be a number from 1 to 65535.");
    const QString throttle = QStringLiteral("The throttle must be a number of milliseconds, 0 or more.");
    const QString bar = QStringLiteral("The %1 field cannot contain \"|\" or a line break.");
    const auto row = [](const char *ext, const char *server, const char *port, const char *throttle,
                        const char *phrases) {
        return QStringList{QLatin1String(ext), QLatin1String(server), QLatin1String(port), QLatin1String(throttle),
                           QLatin1String(phrases)};
    };
    using F = EditField;
    QTest::newRow("no extension") << row("", "s", "43", "", "") << missing.arg(QStringLiteral("Extension"))
                                  << F::Extension;
    QTest::newRow("no server") << row("io", "", "43", "", "") << missing.arg(QStringLiteral("Server")) << F::Server;
    QTest::newRow("no port") << row("io", "s", "", "", "") << missing.arg(QStringLiteral("Port")) << F::Port;
    QTest::newRow("port zero") << row("io", "s", "0", "", "") << port << F::Port;
    QTest::newRow("port too big") << row("io", "s", "65536", "", "") << port << F::Port;
    QTest::newRow("port not a number") << row("io", "s", "4three", "", "") << port << F::Port;
    QTest::newRow("negative throttle") << row("io", "s", "43", "-5", "") << throttle << F::Throttle;
    QTest::newRow("throttle with a fraction") << row("io", "s", "43", "2.5", "") << throttle << F::Throttle;
    QTest::newRow("throttle not a number") << row("io", "s", "43", "fast", "") << throttle << F::Throttle;
    QTest::newRow("bar in phrases") << row("io", "s", "43", "25", "free|taken")
                                    << bar.arg(QStringLiteral("Success Indicators")) << F::SuccessPhrases;
    QTest::newRow("line break in server")
        << row("io", "s\r\nx", "43", "25", "") << bar.arg(QStringLiteral("Server")) << F::Server;
    const QString rdap = QStringLiteral("An RDAP server must be an https:// address (plain http:// only for this "
                                        "computer), without spaces, a query or a fragment.");
    QTest::newRow("plain http elsewhere") << row("io", "http://rdap.example/", "443", "25", "") << rdap << F::Server;
    QTest::newRow("query in a base") << row("io", "https://rdap.example/?a=1", "", "25", "") << rdap << F::Server;
}

void TestTldManager::refusesRowsTheFileCannotHold()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    QFETCH(EditField, field);
    Desk desk;
    RowEdit edit{fields.at(0), fields.at(1), fields.at(2), fields.at(3), fields.at(4)};
    QVERIFY(!desk.manager->saveEdit(edit));
    QCOMPARE(desk.messages.texts(), QStringList{message});
    QCOMPARE(desk.manager->refusedField(), field);
    QCOMPARE(desk.file(), sampleTable);
}

void TestTldManager::toggleFlipsStatus_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("Enabled becomes Disabled") << 0 << QByteArray("com|whois.example.com|43|Disabled|25|No match");
    QTest::newRow("Disabled becomes Enabled") << 4 << QByteArray("de|whois.denic.de|43|Enabled|25|free");
    QTest::newRow("lower-case enabled becomes Enabled")
        << 2 << QByteArray("uk|whois.nic.uk|43|Enabled|25|No match for");
}

void TestTldManager::toggleFlipsStatus()
{
    QFETCH(int, row);
    QFETCH(QByteArray, written);
    Desk desk;
    desk.manager->selectRow(row);
    QVERIFY(desk.manager->toggle(row));
    QCOMPARE(desk.rows().at(row), written);
    QCOMPARE(desk.tlds.table().at(row).enabled, written.contains("|Enabled|"));
    // The editor still holds the row: saving it next keeps the new status.
    QCOMPARE(desk.manager->newRowEnabled(), written.contains("|Enabled|"));
}

void TestTldManager::deleteAsksAndKeepsFileOrder()
{
    Desk desk;
    desk.messages.nextAnswers = {platform::MessageAnswer::Cancel};
    QVERIFY(!desk.manager->deleteRow(2));
    QCOMPARE(desk.file(), sampleTable);
    QCOMPARE(desk.messages.shown.size(), 1);
    const platform::MessageRequest &question = desk.messages.shown.constFirst();
    QCOMPARE(question.title, QStringLiteral("Delete?"));
    QCOMPARE(question.text, QStringLiteral("Really delete this TLD from the list?"));
    QCOMPARE(question.buttons, platform::MessageRequest::Buttons::OkCancel);

    QVERIFY(desk.manager->deleteRow(2));
    QCOMPARE(desk.rows(), (QList<QByteArray>{"com|whois.example.com|43|Enabled|25|No match",
                                             "here|whois.a.example|43|Disabled|25|#A#,No match",
                                             "here|whois.a.example|43|Disabled|25|#A#,No match",
                                             "de|whois.denic.de|43|Disabled|25|free"}));
    QCOMPARE(desk.tlds.table().size(), 4);
    QCOMPARE(desk.manager->rows().size(), 4);
}

void TestTldManager::unreadableRowsSurviveEveryRewrite_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("firstRow");
    QTest::newRow("delete") << QStringLiteral("delete") << brokenLines.constFirst();
    QTest::newRow("toggle") << QStringLiteral("toggle") << QByteArray("com|whois.example.com|43|Disabled|25|No match");
    QTest::newRow("save a row") << QStringLiteral("save") << QByteArray("com|whois.new.example|43|Enabled|25|No match");
    QTest::newRow("save a new row") << QStringLiteral("new")
                                    << QByteArray("com|whois.example.com|43|Enabled|25|No match");
}

void TestTldManager::unreadableRowsSurviveEveryRewrite()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, firstRow);
    Desk desk(brokenTable);
    RowEdit edit = desk.manager->selectRow(0);
    if (action == QLatin1String("delete")) {
        QVERIFY(desk.manager->deleteRow(0));
    } else if (action == QLatin1String("toggle")) {
        QVERIFY(desk.manager->toggle(0));
    } else {
        if (action == QLatin1String("new")) {
            desk.manager->startNewRow();
            edit.extension = QStringLiteral("me");
        }
        edit.server = QStringLiteral("whois.new.example");
        QVERIFY(desk.manager->saveEdit(edit));
    }
    const QList<QByteArray> rows = desk.rows();
    QCOMPARE(rows.constFirst(), firstRow);
    QList<QByteArray> kept;
    for (const QByteArray &row : rows) {
        if (!rowProblem(QString::fromLatin1(row)).isEmpty())
            kept.append(row);
    }
    QCOMPARE(kept, brokenLines);
}

void TestTldManager::unreadableRowsCanBeRepairedOrDeleted()
{
    Desk desk(brokenTable);
    QCOMPARE(desk.manager->rows().size(), 5);
    QCOMPARE(desk.manager->rows().at(1).problem, QStringLiteral("the port \"x43\" is not a number from 0 to 65535"));
    QVERIFY(!desk.manager->toggle(1));
    QCOMPARE(desk.messages.texts().constLast(),
             QStringLiteral("This row cannot be read: the port \"x43\" is not a number from 0 to 65535. Repair it "
                            "with Add/Save or delete it."));
    QCOMPARE(desk.file(), brokenTable);

    RowEdit edit = desk.manager->selectRow(1);
    edit.port = QStringLiteral("43");
    QVERIFY(desk.manager->saveEdit(edit));
    // Repaired in place, even under another extension.
    edit = desk.manager->selectRow(3);
    edit = {QStringLiteral("me"), QStringLiteral("whois.nic.me"), QStringLiteral("43"), QStringLiteral("25"),
            QStringLiteral("free")};
    QVERIFY(desk.manager->saveEdit(edit));
    QVERIFY(desk.manager->deleteRow(4));
    QCOMPARE(desk.rows(), (QList<QByteArray>{
                              "com|whois.example.com|43|Enabled|25|No match", "io|whois.nic.io|43|Enabled|25|NOT FOUND",
                              "de|whois.denic.de|43|Disabled|25|free", "me|whois.nic.me|43|Disabled|25|free"}));
    QCOMPARE(desk.tlds.table().size(), 4);
}

void TestTldManager::restoreDefaultsReplacesEditedFile()
{
    Desk desk;
    desk.messages.nextAnswers = {platform::MessageAnswer::Cancel};
    QVERIFY(!desk.manager->restoreDefaults());
    QCOMPARE(desk.file(), sampleTable);
    QCOMPARE(desk.messages.shown.constFirst().text,
             QStringLiteral("Replace all 5 rows of the TLD table with the 134 built-in rows? The table as it is now "
                            "is kept in TLDs.bak."));
    QCOMPARE(desk.messages.shown.constFirst().buttons, platform::MessageRequest::Buttons::OkCancel);
    // A table that cannot be kept is not replaced.
    QDir(desk.folder.appFolder()).mkdir(QStringLiteral("TLDs.bak"));
    QVERIFY(!desk.manager->restoreDefaults());
    QCOMPARE(desk.file(), sampleTable);
    QVERIFY(desk.messages.shown.constLast().text.startsWith(QStringLiteral("The TLD table could not be copied to")));
    QDir(desk.folder.appFolder()).rmdir(QStringLiteral("TLDs.bak"));
    QVERIFY(desk.manager->restoreDefaults());
    QCOMPARE(desk.folder.read(QStringLiteral("TLDs.bak")), sampleTable);
    QCOMPARE(desk.rows().size(), 134);
    QCOMPARE(desk.tlds.table().size(), 134);
    QCOMPARE(desk.manager->rows().size(), 134);
}

void TestTldManager::defaultExtensionFocusOutRule_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("without dot") << QStringLiteral("net") << QStringLiteral(".net");
    QTest::newRow("empty") << QString() << QStringLiteral(".com");
    QTest::newRow("with leading dot") << QStringLiteral(".org") << QStringLiteral(".org");
    QTest::newRow("dot inside") << QStringLiteral("co.uk") << QStringLiteral("co.uk");
}

void TestTldManager::defaultExtensionFocusOutRule()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Desk desk;
    desk.manager->setDefaultExt(typed);
    QCOMPARE(desk.tlds.defaultExt(), typed);
    QCOMPARE(desk.manager->leaveDefaultExt(typed), kept);
    QCOMPARE(desk.tlds.defaultExt(), kept);
    QCOMPARE(testing::StoredSettings(desk.settings.folder()).setting(QStringLiteral("DefaultExt")), kept);
}

void TestTldManager::debugExportWritesProgramTextLines()
{
    Desk desk;
    QVERIFY(desk.manager->exportDebug({desk.manager->rows().at(4).fields, desk.manager->rows().at(0).fields}));
    QCOMPARE(desk.folder.read(QStringLiteral("debug.txt")),
             QByteArray("strTemp = strTemp & \"de|whois.denic.de|43|Disabled|25|free\" & vbcrlf\r\n"
                        "strTemp = strTemp & \"com|whois.example.com|43|Enabled|25|No match\" & vbcrlf\r\n"));
}

void TestTldManager::rdapRowsAreWrittenWithPort443()
{
    Desk desk;
    RowEdit edit{QStringLiteral("io"), QStringLiteral("https://rdap.example/IO/"), QStringLiteral("8080"), QString(),
                 QString()};
    QVERIFY(desk.manager->saveEdit(edit));
    QCOMPARE(edit.port, QStringLiteral("443"));
    QCOMPARE(QString::fromUtf8(desk.rows().last()),
             QStringLiteral("io|https://rdap.example/IO/|443|Enabled|25|") + defaultSuccessPhrases);
    // The path of the base keeps its case.
    QCOMPARE(desk.tlds.table().last().server, QStringLiteral("https://rdap.example/IO/"));
}

void TestTldManager::addCurrentTldsLeavesEveryRowAsItIs()
{
    // Hand-edited: com on a server of the user's, a row the program cannot read, a capitalised extension.
    const QByteArray table = "com|whois.mine.example|43|Enabled|25|No match\r\n"
                             "io|no port here|x|Enabled\r\n"
                             "\r\n"
                             "AAA|whois.mine.example|43|Disabled|25|free\r\n";
    Desk desk(table);
    QVERIFY(desk.manager->addCurrentTlds());
    const QByteArray file = desk.file();
    QVERIFY(file.startsWith(table));
    const QList<QByteArray> added = file.mid(table.size()).split('\n');
    // 1,442 TLDs: 63 publish no server, and com, io and aaa have rows.
    QCOMPARE(added.size() - 1, 1376);
    QCOMPARE(added.constFirst(), QByteArray("aarp|https://tld-rdap.verisign.com/aarp/v1/|443|Disabled|25|\r"));
    QVERIFY(file.contains("\r\nac|whois.nic.ac|43|Disabled|25|" + defaultSuccessPhrases.toLatin1() + "\r\n"));
    QVERIFY(file.contains("\r\nuz|whois.cctld.uz|43|Disabled|25|"));
    QVERIFY(!file.contains("\r\nzw|"));
    QCOMPARE(file.count("\r\ncom|"), 0);
    QCOMPARE(desk.messages.shown.constLast().text,
             QStringLiteral("Added 1376 TLDs of the root zone as disabled rows at the end of the list: 1137 asked "
                            "over RDAP, 239 over WHOIS.\r\n63 TLDs publish no server and were left out."));
    QCOMPARE(desk.manager->rows().size(), 1379);
    QCOMPARE(desk.tlds.table().size(), 1378);
    // Twice is once.
    QVERIFY(desk.manager->addCurrentTlds());
    QCOMPARE(desk.file(), file);
    QCOMPARE(desk.messages.shown.constLast().text, QStringLiteral("Every TLD of the root zone already has a row."));
    QVERIFY(desk.manager->restoreDefaults());
    QCOMPARE(desk.manager->rows().size(), 134);
}

void TestTldManager::updateServersFromTheBootstrapFile_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("changedTable");
    const QString from = QStringLiteral("https://data.iana.org/rdap/dns.json");
    QTest::newRow("changed")
        << QByteArray(R"({"version":"1.0","services":[)"
                      R"([["com","COM2"],["http://rdap.new.example/com/","https://rdap.new.example/com/"]],)"
                      R"([["net"],["https://rdap.verisign.com/net/v1/"]],)"
                      R"([["org"],["https://rdap.publicinterestregistry.org/rdap/"]],)"
                      R"([["de"],["https://rdap.denic.de/"]]]})")
        << QStringLiteral("Updated the servers of 2 rows from %1:\r\n"
                          "com: whois.verisign-grs.com -> https://rdap.new.example/com/\r\n"
                          "de: whois.denic.de -> https://rdap.denic.de/\r\n"
                          "1 rows name a server of your own and were left as they are.")
               .arg(from)
        << QByteArray("com|https://rdap.new.example/com/|443|Enabled|25|No match\r\n"
                      "net|https://rdap.verisign.com/net/v1/|443|Enabled|25|\r\n"
                      "org|https://rdap.mine.example/|443|Disabled|25|\r\n"
                      "\r\n"
                      "de|https://rdap.denic.de/|443|Disabled|25|Status: free\r\n"
                      "broken|row\r\n");
    QTest::newRow("unchanged") << QByteArray(R"({"services":[[["net"],["https://rdap.verisign.com/net/v1/"]]]})")
                               << QStringLiteral("The servers are up to date: the list of RDAP servers from %1 changes "
                                                 "none of them.")
                                      .arg(from)
                               << QByteArray();
    const QString unread = QStringLiteral("The list of RDAP servers from %1 could not be read (%2). The TLD table was "
                                          "not changed.");
    QTest::newRow("not JSON") << QByteArray("<html>Service moved</html>")
                              << unread.arg(from, QStringLiteral("not JSON: illegal value")) << QByteArray();
    QTest::newRow("only plain http") << QByteArray(R"({"services":[[["com"],["http://rdap.example/"]],[["x"]]]})")
                                     << unread.arg(from, QStringLiteral("no TLD with a usable RDAP service in it"))
                                     << QByteArray();
}

void TestTldManager::updateServersFromTheBootstrapFile()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    QFETCH(QByteArray, changedTable);
    // The program's servers (old and new) and one of the user's, around a blank line and a broken row.
    const QByteArray table = "com|whois.verisign-grs.com|43|Enabled|25|No match\r\n"
                             "net|https://rdap.verisign.com/net/v1/|443|Enabled|25|\r\n"
                             "org|https://rdap.mine.example/|443|Disabled|25|\r\n"
                             "\r\n"
                             "de|whois.denic.de|43|Disabled|25|Status: free\r\n"
                             "broken|row\r\n";
    Desk desk(table);
    desk.manager->updateServers(json);
    QCOMPARE(desk.messages.shown.size(), 1);
    QCOMPARE(desk.messages.shown.constFirst().text, message);
    QCOMPARE(desk.file(), changedTable.isEmpty() ? table : changedTable);
    if (!changedTable.isEmpty())
        QCOMPARE(desk.tlds.table().constFirst().server, QStringLiteral("https://rdap.new.example/com/"));
}

QTEST_GUILESS_MAIN(TestTldManager)
#include "tst_tldmanager.moc"
