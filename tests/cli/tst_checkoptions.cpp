#include "cli/CheckOptions.h"

#include <QtTest>

using cli::ParsedCommandLine;

class TestCheckOptions : public QObject {
    Q_OBJECT
private slots:
    void valuesAndInputs();
    void helpAndVersion_data();
    void helpAndVersion();
    void badCommandLines_data();
    void badCommandLines();
};

void TestCheckOptions::valuesAndInputs()
{
    const ParsedCommandLine parsed = cli::parseCommandLine(
        {QStringLiteral("a.txt"), QStringLiteral("--data-dir"), QStringLiteral("/d"),
         QStringLiteral("--tld=.CO.UK,net,co.uk"), QStringLiteral("--proxy"), QStringLiteral("[::1]:4343"),
         QStringLiteral("--throttle"), QStringLiteral("0"), QStringLiteral("--resume=pos"), QStringLiteral("--timeout"),
         QStringLiteral("2.5"), QStringLiteral("--tries=3"), QStringLiteral("--json"), QStringLiteral("--quiet"),
         QStringLiteral("--profile-files"), QStringLiteral("-"), QStringLiteral("--"),
         QStringLiteral("--odd-name.txt")});
    QCOMPARE(parsed.action, ParsedCommandLine::Action::Run);
    const cli::CheckOptions &o = parsed.options;
    QCOMPARE(o.inputs, (QStringList{QStringLiteral("a.txt"), QStringLiteral("-"), QStringLiteral("--odd-name.txt")}));
    QCOMPARE(o.dataDir, QStringLiteral("/d"));
    QCOMPARE(o.tlds, (QStringList{QStringLiteral("co.uk"), QStringLiteral("net")}));
    QCOMPARE(o.tries, 3);
    QCOMPARE(o.proxyHost, QStringLiteral("::1"));
    QCOMPARE(o.proxyPort, 4343);
    QCOMPARE(o.throttleMs, std::optional<int>(0));
    QCOMPARE(o.resumeFile, QStringLiteral("pos"));
    QCOMPARE(o.timeoutSeconds, std::optional<double>(2.5));
    QVERIFY(o.json && o.quiet && o.profileFiles);

    const ParsedCommandLine bare = cli::parseCommandLine({});
    QVERIFY(bare.options.inputs.isEmpty());
    QVERIFY(!bare.options.throttleMs && !bare.options.timeoutSeconds && bare.options.proxyHost.isEmpty());
}

void TestCheckOptions::helpAndVersion_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::newRow("help") << QStringList{QStringLiteral("x"), QStringLiteral("--help")}
                          << int(ParsedCommandLine::Action::Help);
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << int(ParsedCommandLine::Action::Help);
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << int(ParsedCommandLine::Action::Version);
    QTest::newRow("help wins") << QStringList{QStringLiteral("--help"), QStringLiteral("--version")}
                               << int(ParsedCommandLine::Action::Help);
    QTest::newRow("error wins") << QStringList{QStringLiteral("--help"), QStringLiteral("--nope")}
                                << int(ParsedCommandLine::Action::Fail);
}

void TestCheckOptions::helpAndVersion()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QCOMPARE(int(cli::parseCommandLine(arguments).action), action);
}

void TestCheckOptions::badCommandLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("says");
    auto row = [](const char *name, QStringList arguments, const char *says) {
        QTest::newRow(name) << arguments << QString::fromLatin1(says);
    };
    row("unknown option", {QStringLiteral("--fast")}, "unknown option '--fast'");
    row("single dash letter", {QStringLiteral("-x")}, "unknown option '-x'");
    row("value missing", {QStringLiteral("--tld")}, "option --tld needs a value");
    row("flag with value", {QStringLiteral("--json=yes")}, "option --json takes no value");
    row("throttle negative", {QStringLiteral("--throttle"), QStringLiteral("-1")}, "--throttle needs");
    row("throttle text", {QStringLiteral("--throttle=fast")}, "--throttle needs");
    row("zone import with names", {QStringLiteral("--import-zone=com.zone"), QStringLiteral("list.txt")},
        "--import-zone checks no names");
    row("zone import of two TLDs", {QStringLiteral("--import-zone=com.zone"), QStringLiteral("--tld=com,net")},
        "--import-zone takes one --tld");
    row("timeout zero", {QStringLiteral("--timeout=0")}, "--timeout needs");
    row("timeout nan", {QStringLiteral("--timeout=nan")}, "--timeout needs");
    row("proxy without port", {QStringLiteral("--proxy=host")}, "--proxy needs HOST:PORT");
    row("proxy port zero", {QStringLiteral("--proxy=host:0")}, "--proxy needs HOST:PORT");
    row("proxy port too big", {QStringLiteral("--proxy=host:65536")}, "--proxy needs HOST:PORT");
    row("proxy without host", {QStringLiteral("--proxy=:43")}, "--proxy needs HOST:PORT");
    row("tld empty", {QStringLiteral("--tld=.")}, "--tld needs an extension");
    row("tld with blank", {QStringLiteral("--tld=co uk")}, "--tld needs an extension");
    row("tld list with a gap", {QStringLiteral("--tld=com,,net")}, "--tld needs an extension");
    row("tries zero", {QStringLiteral("--tries=0")}, "--tries needs");
    row("empty data dir", {QStringLiteral("--data-dir=")}, "--data-dir needs a folder");
    row("empty resume", {QStringLiteral("--resume=")}, "--resume needs a file name");
}

void TestCheckOptions::badCommandLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, says);
    const ParsedCommandLine parsed = cli::parseCommandLine(arguments);
    QCOMPARE(parsed.action, ParsedCommandLine::Action::Fail);
    QVERIFY2(parsed.error.contains(says), qPrintable(parsed.error));
    QVERIFY(!parsed.error.contains(QLatin1Char('\n')));
}

QTEST_GUILESS_MAIN(TestCheckOptions)
#include "tst_checkoptions.moc"
