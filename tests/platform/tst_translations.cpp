#include "platform/Translations.h"

#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void systemLocaleChoosesTheTranslation_data();
    void systemLocaleChoosesTheTranslation();
    void germanIsCompleteAndKeepsEveryPlaceholder();
};

void TestTranslations::cleanup()
{
    // Deleting a translator takes it off the application.
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
}

void TestTranslations::systemLocaleChoosesTheTranslation_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("registered");
    QTest::newRow("German") << "de_DE" << true << "Registriert";
    QTest::newRow("German of Austria falls back to German") << "de_AT" << true << "Registriert";
    QTest::newRow("French has none: English") << "fr_FR" << false << "Registered";
    QTest::newRow("English needs none") << "en_US" << false << "Registered";
    QTest::newRow("C locale") << "C" << false << "Registered";
}

void TestTranslations::systemLocaleChoosesTheTranslation()
{
    QFETCH(QString, locale);
    QFETCH(bool, found);
    QFETCH(QString, registered);
    QCOMPARE(platform::installTranslations(QLocale(locale)), found);
    QCOMPARE(QCoreApplication::translate("results::ResultsDesk", "Registered"), registered);
}

// A translation that drops or invents a placeholder shows the wrong number or none at all; one that drops a line
// break has lost a paragraph.
void TestTranslations::germanIsCompleteAndKeepsEveryPlaceholder()
{
    QFile file(QStringLiteral(QUARRYTIDE_TRANSLATIONS_DIR "/quarrytide_de.ts"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|n)"));
    const auto placeholders = [](const QString &text) {
        QStringList found;
        for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
            found << match.captured();
        found.sort();
        found.removeDuplicates();
        return found;
    };
    QXmlStreamReader ts(&file);
    QString source;
    int messages = 0;
    bool plural = false; // the forms of a plural stand on lines of their own
    QStringList faults;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == QLatin1String("message")) {
            plural = ts.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (ts.name() == QLatin1String("source")) {
            source = ts.readElementText(QXmlStreamReader::IncludeChildElements); // line breaks are <byte> elements
            ++messages;
        } else if (ts.name() == QLatin1String("translation")) {
            const bool unfinished = ts.attributes().hasAttribute(QStringLiteral("type"));
            const QString text = ts.readElementText(QXmlStreamReader::IncludeChildElements);
            if (unfinished || text.isEmpty())
                faults << QStringLiteral("untranslated: ") + source;
            else if (placeholders(text) != placeholders(source))
                faults << QStringLiteral("placeholders differ: ") + source;
            else if (!plural && text.count(QLatin1Char('\n')) != source.count(QLatin1Char('\n')))
                faults << QStringLiteral("line breaks differ: ") + source;
        }
    }
    QVERIFY2(!ts.hasError(), qPrintable(ts.errorString()));
    QVERIFY(messages > 0);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
