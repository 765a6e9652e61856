#include "tld/NameCleaning.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace tld;

namespace {

// The cleaning rules as plainly written: one removal after the other, each escape replaced row by row
// while it is present. The fast versions must agree with them on every text.
QString literalCorrectName(const QString &text)
{
    static const QStringList tokens = {
        QStringLiteral("&nbsp;"), QStringLiteral("related:"), QStringLiteral("site:"), QStringLiteral("<b>"),
        QStringLiteral(" "),      QStringLiteral("/"),        QStringLiteral("."),     QStringLiteral("%"),
        QStringLiteral("!"),      QStringLiteral("/"),        QStringLiteral("~"),     QStringLiteral("#"),
        QStringLiteral("'"),      QStringLiteral("\""),       QStringLiteral("$"),     QStringLiteral("%"),
        QStringLiteral("^"),      QStringLiteral("&"),        QStringLiteral("*"),     QStringLiteral("("),
        QStringLiteral(")"),      QStringLiteral("="),        QStringLiteral("\\"),    QStringLiteral("|"),
        QStringLiteral("+"),      QStringLiteral("`"),        QStringLiteral("?"),     QStringLiteral(">"),
        QStringLiteral("<"),      QStringLiteral(","),        QStringLiteral("'"),     QStringLiteral("\""),
        QStringLiteral("."),      QStringLiteral("nbsp;"),    QStringLiteral(";"),     QStringLiteral(":"),
        QString(QChar(0x00AB)),   QString(QChar(0x00B4)),     QString(QChar(0x00AF)),  QString(QChar(0x00BA)),
        QString(QChar(0x00B8)),   QStringLiteral("_")};
    QString work = text;
    if (work.contains(QLatin1Char('('))) {
        work = work.left(work.indexOf(QLatin1Char('(')));
        while (work.startsWith(QLatin1Char(' ')))
            work.remove(0, 1);
        while (work.endsWith(QLatin1Char(' ')))
            work.chop(1);
    }
    const qsizetype dot = work.indexOf(QLatin1Char('.'));
    QString name = dot >= 0 ? work.left(dot) : work;
    const QString tail = dot >= 0 ? work.mid(dot) : QString();
    for (const QString &token : tokens)
        name.replace(token, QString());
    QString result = name + tail;
    return result.remove(QLatin1Char('?'));
}

QString literalUrlUnescape(const QString &text)
{
    static const QList<QPair<QString, QChar>> rows = {
        {QStringLiteral("%25"), QLatin1Char('%')},  {QStringLiteral("%20"), QLatin1Char(' ')},
        {QStringLiteral("%3C"), QLatin1Char('<')},  {QStringLiteral("%3E"), QLatin1Char('>')},
        {QStringLiteral("%23"), QLatin1Char('#')},  {QStringLiteral("%7B"), QLatin1Char('{')},
        {QStringLiteral("%7D"), QLatin1Char('}')},  {QStringLiteral("%7C"), QLatin1Char('|')},
        {QStringLiteral("%5C"), QLatin1Char('\\')}, {QStringLiteral("%5E"), QLatin1Char('^')},
        {QStringLiteral("%7E"), QLatin1Char('~')},  {QStringLiteral("%5B"), QLatin1Char('[')},
        {QStringLiteral("%5D"), QLatin1Char(']')},  {QStringLiteral("%60"), QLatin1Char('`')},
        {QStringLiteral("%3B"), QLatin1Char(';')},  {QStringLiteral("%2F"), QLatin1Char('/')},
        {QStringLiteral("%3F"), QLatin1Char('?')},  {QStringLiteral("%3A"), QLatin1Char(':')},
        {QStringLiteral("%40"), QLatin1Char('@')},  {QStringLiteral("%3D"), QLatin1Char('=')},
        {QStringLiteral("%26"), QLatin1Char('&')},  {QStringLiteral("%24"), QLatin1Char('$')},
        {QStringLiteral("%0A"), QLatin1Char('\n')}, {QStringLiteral("%0D"), QLatin1Char('\r')}};
    QString result = text;
    for (const auto &[escape, character] : rows) {
        while (result.contains(escape, Qt::CaseInsensitive))
            result.replace(escape, QString(character), Qt::CaseInsensitive);
    }
    return result;
}

// Texts made mostly of what the rules act on: whole tokens, entities and escapes, their pieces, and the
// blanks and marks whose removal joins pieces into new ones. Letters alone rarely form any of them.
QString randomText(QRandomGenerator &random, const QStringList &pieces, int maxPieces)
{
    QString text;
    const int count = random.bounded(maxPieces + 1);
    for (int i = 0; i < count; ++i)
        text += pieces.at(random.bounded(int(pieces.size())));
    return text;
}

} // namespace

class TestNameCleaning : public QObject {
    Q_OBJECT
private slots:
    void correctName_data();
    void correctName();
    void urlUnescape_data();
    void urlUnescape();
    void fastRulesAgreeWithTheWrittenOrder();
};

void TestNameCleaning::correctName_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blank between words") << QStringLiteral("Apple Pie") << QStringLiteral("ApplePie");
    QTest::newRow("domain unchanged") << QStringLiteral("example.com") << QStringLiteral("example.com");
    QTest::newRow("hyphen stays") << QStringLiteral("my-example.com") << QStringLiteral("my-example.com");
    QTest::newRow("site: prefix") << QStringLiteral("site:example.org") << QStringLiteral("example.org");
    QTest::newRow("related: prefix") << QStringLiteral("related:example.org") << QStringLiteral("example.org");
    QTest::newRow("parenthesis drops the rest") << QStringLiteral("cars (new).net") << QStringLiteral("cars");
    QTest::newRow("entity") << QStringLiteral("a&nbsp;b") << QStringLiteral("ab");
    QTest::newRow("entity split by a blank") << QStringLiteral("a& nbsp;b") << QStringLiteral("ab");
    QTest::newRow("entity joined by a removal") << QStringLiteral("anb sp;b") << QStringLiteral("ab");
    QTest::newRow("token formed too late stays") << QStringLiteral("rel ated:x") << QStringLiteral("relatedx");
    QTest::newRow("tokens are case-sensitive") << QStringLiteral("SITE:x") << QStringLiteral("SITEx");
    QTest::newRow("bold markup") << QStringLiteral("<b>bold</b>.com") << QStringLiteral("boldb.com");
    QTest::newRow("underscore") << QStringLiteral("a_b") << QStringLiteral("ab");
    QTest::newRow("question mark everywhere") << QStringLiteral("what?.com?") << QStringLiteral("what.com");
    QTest::newRow("tail kept") << QStringLiteral("example.com/path x") << QStringLiteral("example.com/path x");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("three dots") << QStringLiteral("...") << QStringLiteral("...");
    QTest::newRow("five marks removed") << QString::fromUtf8("a\u00abb\u00b4c\u00afd\u00bae\u00b8f")
                                        << QStringLiteral("abcdef");
    QTest::newRow("unlisted characters stay") << QStringLiteral("a@b[c]{d}-e1") << QStringLiteral("a@b[c]{d}-e1");
    QTest::newRow("punctuation") << QStringLiteral("\"it's\"!~#$%^&*=\\|+`>,;:") << QStringLiteral("its");
}

void TestNameCleaning::correctName()
{
    QFETCH(QString, raw);
    QFETCH(QString, expected);
    QCOMPARE(tld::correctName(raw), expected);
}

void TestNameCleaning::urlUnescape_data()
{
    QTest::addColumn<QString>("escaped");
    QTest::addColumn<QString>("expected");
    QTest::newRow("blank and slash") << QStringLiteral("a%20b%2Fc") << QStringLiteral("a b/c");
    QTest::newRow("lower-case hex") << QStringLiteral("%2f%3c%3E") << QStringLiteral("/<>");
    QTest::newRow("plus stays") << QStringLiteral("%2B%2C%22%27") << QStringLiteral("%2B%2C%22%27");
    QTest::newRow("escaped percent of a blank") << QStringLiteral("%2520") << QStringLiteral(" ");
    QTest::newRow("percent escaped twice") << QStringLiteral("a%25252Fb") << QStringLiteral("a/b");
    QTest::newRow("percent next to an escape") << QStringLiteral("%%2520") << QStringLiteral("% ");
    QTest::newRow("line break") << QStringLiteral("a%0D%0Ab") << QStringLiteral("a\r\nb");
    QTest::newRow("no escape") << QStringLiteral("100% sure") << QStringLiteral("100% sure");
    QTest::newRow("cut short") << QStringLiteral("a%2") << QStringLiteral("a%2");
}

void TestNameCleaning::urlUnescape()
{
    QFETCH(QString, escaped);
    QFETCH(QString, expected);
    QCOMPARE(tld::urlUnescape(escaped), expected);
}

void TestNameCleaning::fastRulesAgreeWithTheWrittenOrder()
{
    QRandomGenerator random(20260607);
    const QStringList namePieces = {
        QStringLiteral("&nbsp;"), QStringLiteral("&"),     QStringLiteral("nbsp;"),    QStringLiteral("nb"),
        QStringLiteral("sp;"),    QStringLiteral(" "),     QStringLiteral("related:"), QStringLiteral("rel"),
        QStringLiteral("ated:"),  QStringLiteral("site:"), QStringLiteral("si"),       QStringLiteral("te:"),
        QStringLiteral("<b>"),    QStringLiteral("<"),     QStringLiteral("b>"),       QStringLiteral("."),
        QStringLiteral("("),      QStringLiteral("?"),     QStringLiteral("_"),        QStringLiteral(";"),
        QStringLiteral(":"),      QStringLiteral("%"),     QStringLiteral("'"),        QStringLiteral("a"),
        QString(QChar(0x00AB)),   QString(QChar(0x00B8))};
    const QStringList escapePieces = {
        QStringLiteral("%25"), QStringLiteral("%2"),  QStringLiteral("%"), QStringLiteral("5"),   QStringLiteral("20"),
        QStringLiteral("%20"), QStringLiteral("%2f"), QStringLiteral("F"), QStringLiteral("%0A"), QStringLiteral("%0d"),
        QStringLiteral("%3"),  QStringLiteral("c"),   QStringLiteral("a")};
    for (int i = 0; i < 20000; ++i) {
        const QString name = randomText(random, namePieces, 10);
        QCOMPARE(tld::correctName(name), literalCorrectName(name));
        const QString escaped = randomText(random, escapePieces, 8);
        QCOMPARE(tld::urlUnescape(escaped), literalUrlUnescape(escaped));
    }
}

QTEST_GUILESS_MAIN(TestNameCleaning)
#include "tst_namecleaning.moc"
