#include "tld/DomainRule.h"

#include <QtTest>

using namespace tld;

// Only suffixes that have stood in the ICANN section for many years: the installed list may be newer.
class TestDomainRule : public QObject {
    Q_OBJECT
private slots:
    void entryGivesDomainOrReason_data();
    void entryGivesDomainOrReason();
    void entryIsKeptWhenItSaysMore_data();
    void entryIsKeptWhenItSaysMore();
    void wordsTakeTheChosenExtension_data();
    void wordsTakeTheChosenExtension();
    void blankAndCommentLinesAreNoEntries_data();
    void blankAndCommentLinesAreNoEntries();
};

void TestDomainRule::entryGivesDomainOrReason_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("domain"); // the registrable domain, or the word for an entry without a dot
    QTest::addColumn<int>("problem");
    const int ok = int(NameProblem::None);
    auto row = [](const char *name, const QString &entry, const QString &domain, NameProblem problem) {
        QTest::newRow(name) << entry << domain << int(problem);
    };
    auto good = [&](const char *name, const QString &entry, const QString &domain) {
        QTest::newRow(name) << entry << domain << ok;
    };
    good("plain", QStringLiteral("example.com"), QStringLiteral("example.com"));
    good("upper case", QStringLiteral("Example.COM"), QStringLiteral("example.com"));
    good("host of a registered domain", QStringLiteral("www.google.com"), QStringLiteral("google.com"));
    good("deep host", QStringLiteral("a.b.sub.example.com"), QStringLiteral("example.com"));
    good("two-level suffix", QStringLiteral("www.example.co.uk"), QStringLiteral("example.co.uk"));
    good("another two-level suffix", QStringLiteral("shop.example.com.au"), QStringLiteral("example.com.au"));
    good("URL", QStringLiteral("http://www.x.com/index.html"), QStringLiteral("x.com"));
    good("URL with everything", QStringLiteral("HTTPS://user:pw@Shop.X.com:8443/p?q=a.net#f"), QStringLiteral("x.com"));
    good("port", QStringLiteral("x.com:8080"), QStringLiteral("x.com"));
    good("mail address", QStringLiteral("mailto:bob@mail.x.com"), QStringLiteral("x.com"));
    good("search prefix", QStringLiteral("site:example.org"), QStringLiteral("example.org"));
    good("path without scheme", QStringLiteral("example.com/a/b"), QStringLiteral("example.com"));
    good("escaped URL", QStringLiteral("http%3A%2F%2Fwww.x.com%2F"), QStringLiteral("x.com"));
    good("trailing dot", QStringLiteral("a.com."), QStringLiteral("a.com"));
    good("trailing blank", QStringLiteral("name.com "), QStringLiteral("name.com"));
    good("leading tab", QStringLiteral("\tname.com"), QStringLiteral("name.com"));
    good("international", QStringLiteral("Bücher.de"), QStringLiteral("bücher.de"));
    good("international host", QStringLiteral("www.bücher.de"), QStringLiteral("bücher.de"));
    good("A-label", QStringLiteral("xn--bcher-kva.de"), QStringLiteral("xn--bcher-kva.de"));
    good("hyphen inside", QStringLiteral("my-example.com"), QStringLiteral("my-example.com"));
    good("63 characters", QString(63, QLatin1Char('a')) + QStringLiteral(".com"),
         QString(63, QLatin1Char('a')) + QStringLiteral(".com"));
    good("word", QStringLiteral("Apple"), QStringLiteral("apple"));
    good("words are joined", QStringLiteral("Apple Pie"), QStringLiteral("applepie"));
    good("word with a slash", QStringLiteral("AC/DC"), QStringLiteral("acdc"));
    // A wildcard rule and its exception: every name below "ck" is a suffix, but "www.ck".
    good("below a wildcard", QStringLiteral("shop.foo.ck"), QStringLiteral("shop.foo.ck"));
    good("the wildcard's exception", QStringLiteral("a.www.ck"), QStringLiteral("www.ck"));
    good("unknown extension", QStringLiteral("www.example.notatld"), QStringLiteral("example.notatld"));

    row("blanks only", QStringLiteral("   "), QStringLiteral(""), NameProblem::NoName);
    row("punctuation only", QStringLiteral(";;;"), QStringLiteral(";;;"), NameProblem::NoName);
    row("bare extension", QStringLiteral(".com"), QStringLiteral(".com"), NameProblem::EmptyLabel);
    row("empty label", QStringLiteral("example..com"), QStringLiteral("example..com"), NameProblem::EmptyLabel);
    row("two trailing dots", QStringLiteral("a.com.."), QStringLiteral("a.com.."), NameProblem::EmptyLabel);
    row("leading hyphen", QStringLiteral("-leading.com"), QStringLiteral("-leading.com"),
        NameProblem::HyphenAtLabelEdge);
    row("trailing hyphen", QStringLiteral("trailing-"), QStringLiteral("trailing-"), NameProblem::HyphenAtLabelEdge);
    row("hyphens in 3 and 4", QStringLiteral("ab--c.com"), QStringLiteral("ab--c.com"),
        NameProblem::HyphensInThirdPlace);
    row("bad punycode", QStringLiteral("xn--zz.com"), QStringLiteral("xn--zz.com"), NameProblem::BadPunycode);
    row("300-letter label", QString(300, QLatin1Char('a')) + QStringLiteral(".com"),
        QString(300, QLatin1Char('a')) + QStringLiteral(".com"), NameProblem::LabelTooLong);
    const QString longName =
        (QString(60, QLatin1Char('a')) + QLatin1Char('.')).repeated(4) + QStringLiteral("aaaaaa.com");
    row("254 characters", longName, longName, NameProblem::NameTooLong);
    row("two names", QStringLiteral("foo.com bar.com"), QStringLiteral("foo.com bar.com"), NameProblem::BadCharacter);
    row("underscore after the dot", QStringLiteral("a.b_c.com"), QStringLiteral("a.b_c.com"),
        NameProblem::BadCharacter);
    row("symbol in a later label", QStringLiteral("www.d--c\u00AB.com"), QStringLiteral("www.d--c\u00AB.com"),
        NameProblem::BadCharacter);
    row("punycode of a symbol", QStringLiteral("xn--d--c-jga.com"), QStringLiteral("xn--d--c-jga.com"),
        NameProblem::BadCharacter);
    row("escaped line break", QStringLiteral("a.com%0D%0Awhois"), QStringLiteral("a.com%0D%0Awhois"),
        NameProblem::BadCharacter);
    row("public suffix", QStringLiteral("co.uk"), QStringLiteral("co.uk"), NameProblem::PublicSuffix);
    row("public suffix of two levels", QStringLiteral("com.au."), QStringLiteral("com.au."), NameProblem::PublicSuffix);
    row("under a wildcard", QStringLiteral("foo.ck"), QStringLiteral("foo.ck"), NameProblem::PublicSuffix);
    row("address", QStringLiteral("192.168.0.1"), QStringLiteral("192.168.0.1"), NameProblem::NumericTld);
}

void TestDomainRule::entryGivesDomainOrReason()
{
    QFETCH(QString, entry);
    QFETCH(QString, domain);
    QFETCH(int, problem);
    const EntryName read = readEntry(entry);
    QCOMPARE(int(read.problem), problem);
    if (read.problem == NameProblem::None)
        QCOMPARE(read.name, domain);
}

void TestDomainRule::entryIsKeptWhenItSaysMore_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("kept");
    QTest::newRow("host") << QStringLiteral("www.x.com") << QStringLiteral("www.x.com");
    QTest::newRow("URL, trimmed") << QStringLiteral(" http://x.com/ ") << QStringLiteral("http://x.com/");
    QTest::newRow("only case differs") << QStringLiteral("X.Com") << QString();
    QTest::newRow("same word") << QStringLiteral("apple") << QString();
    QTest::newRow("cleaned word") << QStringLiteral("apple pie") << QStringLiteral("apple pie");
}

void TestDomainRule::entryIsKeptWhenItSaysMore()
{
    QFETCH(QString, entry);
    QFETCH(QString, kept);
    QCOMPARE(readEntry(entry).entry, kept);
}

void TestDomainRule::wordsTakeTheChosenExtension_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("domain");
    QTest::addColumn<int>("problem");
    QTest::newRow("com") << QStringLiteral("Apple") << QStringLiteral("com") << QStringLiteral("apple.com") << 0;
    QTest::newRow("with its dot") << QStringLiteral("apple") << QStringLiteral(".co.uk")
                                  << QStringLiteral("apple.co.uk") << 0;
    QTest::newRow("makes a suffix") << QStringLiteral("co") << QStringLiteral("uk") << QStringLiteral("co.uk")
                                    << int(NameProblem::PublicSuffix);
    QTest::newRow("international") << QStringLiteral("bücher") << QStringLiteral("de") << QStringLiteral("bücher.de")
                                   << 0;
}

void TestDomainRule::wordsTakeTheChosenExtension()
{
    QFETCH(QString, word);
    QFETCH(QString, extension);
    QFETCH(QString, domain);
    QFETCH(int, problem);
    const EntryName read = readEntry(word);
    QVERIFY(read.isWord);
    const EntryName completed = completeWord(read, extension);
    QCOMPARE(completed.name, domain);
    QCOMPARE(int(completed.problem), problem);
    QVERIFY(completed.isDomain() == (problem == 0));
}

void TestDomainRule::blankAndCommentLinesAreNoEntries_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("skipped");
    QTest::newRow("empty") << QString() << true;
    QTest::newRow("blanks and tabs") << QStringLiteral(" \t ") << true;
    QTest::newRow("comment") << QStringLiteral("# a comment line") << true;
    QTest::newRow("indented comment") << QStringLiteral("\t#x") << true;
    QTest::newRow("hash inside") << QStringLiteral("a#b") << false;
    QTest::newRow("semicolons") << QStringLiteral(";;;") << false;
}

void TestDomainRule::blankAndCommentLinesAreNoEntries()
{
    QFETCH(QString, line);
    QFETCH(bool, skipped);
    QCOMPARE(isBlankOrComment(line), skipped);
    QCOMPARE(isBlankOrComment(line.toUtf8()), skipped);
}

QTEST_GUILESS_MAIN(TestDomainRule)
#include "tst_domainrule.moc"
