#include "StartedProgram.h"
#include "StoredSettings.h"
#include "WhoisFixtureServer.h"
#include "app/AppContext.h"
#include "app/ui/MainWindow.h"
#include "platform/Intervals.h"
#include "sources/ui/GeneratorWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

// The real main window over a test folder whose com and net rows point at the fixture server, beside a
// disabled org row and an enabled proxy row that the generator must leave out.
QByteArray generatorTable(quint16 whoisPort)
{
    const QByteArray port = QByteArray::number(whoisPort);
    return "com|127.0.0.1|" + port + "|Enabled|0|No match\r\n" + "org|127.0.0.1|" + port + "|Disabled|0|No match\r\n" +
           "proxy|127.0.0.1|" + port + "|Enabled|0|No match\r\n" + "net|127.0.0.1|" + port + "|Enabled|0|No match\r\n";
}

struct Program : testing::PreparedFolder, testing::StartedProgram {
    Program(quint16 whoisPort, const QByteArray &affixes)
        : PreparedFolder(generatorTable(whoisPort), {{QStringLiteral("Appends.txt"), affixes}}), StartedProgram(folder)
    {
        fakes.messages.shown.clear();
    }
    sources::GeneratorWindow *openGenerator()
    {
        window->findChild<QComboBox *>(QStringLiteral("Combo1"))->setCurrentIndex(1);
        return window->generatorWindow();
    }
};

template <typename T> T *control(QWidget *window, const QString &name)
{
    T *found = window ? window->findChild<T *>(name) : nullptr;
    if (!found)
        qWarning("control %s is missing", qPrintable(name));
    return found;
}

QStringList itemTexts(QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

} // namespace

class TestGeneratorWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void generatedListIsWrittenAndChecked();
    void affixesAreAddedAndDeleted();
    void optionsAndBaseWordAreRemembered();
    void saveAsCopiesTheListAndCancelSavesNothing();
    void closingMidGenerationStartsNothing();
};

void TestGeneratorWindow::initTestCase()
{
    platform::intervals().secondMs = 20;
}

void TestGeneratorWindow::generatedListIsWrittenAndChecked()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    server.setResponder([](const QString &query) { return testing::availableAnswer(query); });
    Program program(server.port(), "my\r\n\r\npro\r\n");
    sources::GeneratorWindow *generator = program.openGenerator();
    QVERIFY2(generator, "the generator window did not open");
    QVERIFY(generator->isVisible());
    QCOMPARE(generator->objectName(), QStringLiteral("frmMake"));
    QCOMPARE(generator->windowTitle(), QStringLiteral("Domain Name Creator"));
    auto *tlds = control<QListWidget>(generator, QStringLiteral("ListView1"));
    QVERIFY(tlds);
    QCOMPARE(itemTexts(tlds), QStringList({QStringLiteral(".com"), QStringLiteral(".net")}));
    QCOMPARE(itemTexts(control<QListWidget>(generator, QStringLiteral("List2"))),
             QStringList({QStringLiteral("my"), QStringLiteral("pro")}));
    for (int i = 0; i < 3; ++i) {
        auto *box = control<QCheckBox>(generator, QStringLiteral("chkAdd_") + QString::number(i));
        QVERIFY(box && box->isChecked());
    }
    for (const char *name : {"Text2", "txtStatus"})
        QVERIFY(control<QLineEdit>(generator, QLatin1String(name)));
    for (const char *name : {"cmdAdd", "cmdSub", "Command1", "Command2"})
        QVERIFY(control<QPushButton>(generator, QLatin1String(name)));

    auto *base = control<QLineEdit>(generator, QStringLiteral("Text1"));
    QTest::keyClicks(base, QStringLiteral("example"));
    QTest::keyClick(base, Qt::Key_Return);
    QVERIFY(!base->isEnabled()); // locked while generating
    QTRY_COMPARE_WITH_TIMEOUT(program.find<QLineEdit>(QStringLiteral("txtWordMax"))->text(), QStringLiteral("18"),
                              5000);
    const QByteArray expected =
        "example.com\r\n\r\nexample.net\r\n\r\n"
        "myexample.com\r\n\r\nmyexample.net\r\n\r\nmy-example.com\r\n\r\nmy-example.net\r\n\r\n"
        "examplemy.com\r\n\r\nexamplemy.net\r\n\r\nexample-my.com\r\n\r\nexample-my.net\r\n\r\n"
        "proexample.com\r\n\r\nproexample.net\r\n\r\npro-example.com\r\n\r\npro-example.net\r\n\r\n"
        "examplepro.com\r\n\r\nexamplepro.net\r\n\r\nexample-pro.com\r\n\r\nexample-pro.net\r\n\r\n";
    QCOMPARE(program.folder.read(QStringLiteral("CreatedDomains.txt")), expected);
    QCOMPARE(control<QListView>(generator, QStringLiteral("List1"))->model()->rowCount(), 18);
    QCOMPARE(control<QLineEdit>(generator, QStringLiteral("txtStatus"))->text(),
             QStringLiteral("Created 18 domains...  Search Started"));
    QVERIFY(base->isEnabled());
    QCOMPARE(testing::StoredSettings(program.context->settings.folder()).setting(QStringLiteral("txtMake")),
             QStringLiteral("example"));

    // The run reads the new list from the first entry, each name with the TLD it was made with.
    QTRY_COMPARE_WITH_TIMEOUT(server.queries().size(), 18, 10000);
    QCOMPARE(server.queries().constFirst(), QStringLiteral("example.com"));
    QCOMPARE(server.queries().constLast(), QStringLiteral("example-pro.net"));
    auto *stop = program.find<QPushButton>(QStringLiteral("Command3"));
    QTest::mouseClick(stop, Qt::LeftButton);

    // Stopped at its third name, the list shows where it stopped; a list generated anew starts at its first.
    const auto stopAtThird = connect(&server, &testing::WhoisFixtureServer::queryReceived, stop, [&] {
        if (server.queries().size() == 21)
            QTest::mouseClick(stop, Qt::LeftButton);
    });
    QTest::keyClick(base, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(server.queries().size() == 21 && !stop->isEnabled(), 10000);
    disconnect(stopAtThird);
    QCOMPARE(program.find<QLineEdit>(QStringLiteral("txtWordNum"))->text(), QStringLiteral("3"));
    QTest::keyClick(base, Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(server.queries().size() >= 22, 10000);
    QCOMPARE(server.queries().at(21), QStringLiteral("example.com"));
    QTest::mouseClick(stop, Qt::LeftButton);
}

void TestGeneratorWindow::affixesAreAddedAndDeleted()
{
    Program program(testing::WhoisFixtureServer::closedPort(), "my\r\npro\r\npro\r\n");
    sources::GeneratorWindow *generator = program.openGenerator();
    QVERIFY(generator);
    auto *affixes = control<QListWidget>(generator, QStringLiteral("List2"));
    auto *del = control<QPushButton>(generator, QStringLiteral("cmdSub"));
    QTest::mouseClick(del, Qt::LeftButton);
    QCOMPARE(program.fakes.messages.texts(),
             QStringList{QStringLiteral("You must first select an item to remove from the list.")});
    QCOMPARE(program.folder.read(QStringLiteral("Appends.txt")), QByteArray("my\r\npro\r\npro\r\n"));

    affixes->setCurrentRow(1);
    QTest::mouseClick(del, Qt::LeftButton);
    QCOMPARE(program.folder.read(QStringLiteral("Appends.txt")), QByteArray("my\r\n\r\n"));
    QCOMPARE(itemTexts(affixes), QStringList({QStringLiteral("my"), QStringLiteral("pro")}));

    auto *text2 = control<QLineEdit>(generator, QStringLiteral("Text2"));
    QTest::keyClicks(text2, QStringLiteral("new"));
    QTest::keyClick(text2, Qt::Key_Return);
    QCOMPARE(program.folder.read(QStringLiteral("Appends.txt")), QByteArray("my\r\n\r\nnew\r\n"));
    QCOMPARE(itemTexts(affixes).constLast(), QStringLiteral("new"));
    QVERIFY(text2->text().isEmpty());
}

void TestGeneratorWindow::optionsAndBaseWordAreRemembered()
{
    Program program(testing::WhoisFixtureServer::closedPort(), "my\r\n");
    testing::StoredSettings(program.context->settings.folder())
        .plant(QStringLiteral("txtMake"), QStringLiteral("kept"));
    testing::StoredSettings(program.context->settings.folder()).plant(QStringLiteral("chkAdd2"), QStringLiteral("0"));
    QPointer<sources::GeneratorWindow> generator = program.openGenerator();
    QVERIFY(generator);
    QCOMPARE(control<QLineEdit>(generator, QStringLiteral("Text1"))->text(), QStringLiteral("kept"));
    QVERIFY(!control<QCheckBox>(generator, QStringLiteral("chkAdd_2"))->isChecked());
    QTest::mouseClick(control<QCheckBox>(generator, QStringLiteral("chkAdd_1")), Qt::LeftButton);
    QCOMPARE(testing::StoredSettings(program.context->settings.folder()).setting(QStringLiteral("chkAdd1")),
             QStringLiteral("0"));
    generator->close();
    QTRY_VERIFY(generator.isNull());
    program.window->openGenerator(); // the source list already shows "Generate names"
    generator = program.window->generatorWindow();
    QVERIFY(generator);
    QVERIFY(control<QCheckBox>(generator, QStringLiteral("chkAdd_0"))->isChecked());
    QVERIFY(!control<QCheckBox>(generator, QStringLiteral("chkAdd_1"))->isChecked());

    // Space on a TLD unticks it, and it stays unticked the next time the window opens.
    auto *tlds = control<QListWidget>(generator, QStringLiteral("ListView1"));
    tlds->setCurrentRow(1);
    QTest::keyClick(tlds, Qt::Key_Space);
    QCOMPARE(tlds->item(1)->checkState(), Qt::Unchecked);
    generator->close();
    QTRY_VERIFY(generator.isNull());
    program.window->openGenerator();
    tlds = control<QListWidget>(program.window->generatorWindow(), QStringLiteral("ListView1"));
    QCOMPARE(tlds->item(0)->checkState(), Qt::Checked);
    QCOMPARE(tlds->item(1)->checkState(), Qt::Unchecked);
}

void TestGeneratorWindow::saveAsCopiesTheListAndCancelSavesNothing()
{
    Program program(testing::WhoisFixtureServer::closedPort(), "");
    program.folder.write(QStringLiteral("CreatedDomains.txt"), "one.com\r\n\r\n");
    sources::GeneratorWindow *generator = program.openGenerator();
    QVERIFY(generator);
    control<QLineEdit>(generator, QStringLiteral("Text1"))->setText(QStringLiteral("zz-save-test"));
    auto *save = control<QPushButton>(generator, QStringLiteral("Command2"));
    program.fakes.dialogs.nextSave = program.folder.file(QStringLiteral("CustomLists/mine.txt"));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(program.fakes.dialogs.folders.constLast(), program.folder.file(QStringLiteral("CustomLists")));
    QCOMPARE(program.fakes.dialogs.presets.constLast(), QStringLiteral("zz-save-test.txt"));
    QCOMPARE(program.folder.read(QStringLiteral("CustomLists/mine.txt")), QByteArray("one.com\r\n\r\n"));

    program.fakes.dialogs.nextSave.clear();
    QTest::mouseClick(save, Qt::LeftButton);
    QVERIFY(!QFileInfo::exists(QStringLiteral("zz-save-test.txt")));
}

void TestGeneratorWindow::closingMidGenerationStartsNothing()
{
    testing::WhoisFixtureServer server;
    QVERIFY(server.listen());
    Program program(server.port(), "my\r\n");
    program.folder.write(QStringLiteral("CreatedDomains.txt"), "old.com\r\n\r\n");
    QPointer<sources::GeneratorWindow> generator = program.openGenerator();
    QVERIFY(generator);
    control<QLineEdit>(generator, QStringLiteral("Text1"))->setText(QStringLiteral("late"));
    QTest::mouseClick(control<QPushButton>(generator, QStringLiteral("Command1")), Qt::LeftButton);
    generator->close();
    QTRY_VERIFY(generator.isNull());
    QTest::qWait(100); // any slice still queued would have run by now
    QCOMPARE(program.folder.read(QStringLiteral("CreatedDomains.txt")), QByteArray("old.com\r\n\r\n"));
    QCOMPARE(server.connections(), 0);
    QVERIFY(!program.find<QPushButton>(QStringLiteral("Command3"))->isEnabled());
}

QTEST_MAIN(TestGeneratorWindow)
#include "tst_generatorwindow.moc"
