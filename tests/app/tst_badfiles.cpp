#include "StartedProgram.h"
#include "TestFolder.h"
#include "sources/ui/TldChooser.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

// Every file the program reads at start, spoiled in every way: the program starts, names what it could
// not read in one message, and leaves what it could not read as it was.
namespace {

enum class Spoil { Binary, HugeLine, CrOnly, LfOnly, InvalidUtf8, Folder, NoPermission };

QByteArray spoiledBytes(Spoil spoil)
{
    switch (spoil) {
    case Spoil::Binary: {
        QByteArray bytes(4096, '\0');
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 131 + 7) & 0xff);
        return bytes;
    }
    case Spoil::HugeLine:
        return QByteArray(100 * 1024 * 1024, 'a');
    case Spoil::CrOnly:
        return "first.com\rsecond.com\rcom|127.0.0.1|43|Enabled|0|No match\r";
    case Spoil::LfOnly:
        return "first.com\nsecond.com\ncom|127.0.0.1|43|Enabled|0|No match\n";
    case Spoil::InvalidUtf8:
        return "caf\xc3(.com\r\n\xff\xfe\xfd.net\r\n\xed\xa0\x80.com\r\n";
    case Spoil::Folder:
    case Spoil::NoPermission:
        break;
    }
    return "kept.com\r\n";
}

} // namespace

Q_DECLARE_METATYPE(Spoil)

class TestBadFiles : public QObject {
    Q_OBJECT
private slots:
    void programStartsAndLeavesWhatItCouldNotRead_data();
    void programStartsAndLeavesWhatItCouldNotRead();
};

void TestBadFiles::programStartsAndLeavesWhatItCouldNotRead_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<Spoil>("spoil");
    const QStringList files = {QStringLiteral("TLDs.txt"),
                               QStringLiteral("Remembered.txt"),
                               QStringLiteral("Appends.txt"),
                               QStringLiteral("BrowserSearch.txt"),
                               QStringLiteral("Unchecked.txt"),
                               QStringLiteral("History.sqlite"),
                               QStringLiteral("settings/Quarrytide.ini"),
                               QStringLiteral("settings/Marlowfen.ini")};
    const QList<QPair<const char *, Spoil>> spoils = {{"binary", Spoil::Binary},
                                                      {"100 MB line", Spoil::HugeLine},
                                                      {"CR only", Spoil::CrOnly},
                                                      {"LF only", Spoil::LfOnly},
                                                      {"invalid UTF-8", Spoil::InvalidUtf8},
                                                      {"folder", Spoil::Folder},
                                                      {"no permission", Spoil::NoPermission}};
    for (const QString &file : files) {
        for (const auto &[name, spoil] : spoils)
            QTest::addRow("%s, %s", qPrintable(file), name) << file << spoil;
    }
}

void TestBadFiles::programStartsAndLeavesWhatItCouldNotRead()
{
    QFETCH(QString, file);
    QFETCH(Spoil, spoil);
    testing::TestFolder folder;
    const bool inSettings = file.startsWith(QLatin1String("settings/"));
    const QString path =
        (inSettings ? QFileInfo(folder.settingsFolder()).path() : folder.appFolder()) + QLatin1Char('/') + file;
    QDir().mkpath(QFileInfo(path).path());
    // A second start sees the first one's files, the spoiled one among them.
    {
        testing::StartedProgram first(folder);
    }
    QFile::remove(path);
    if (spoil == Spoil::Folder) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(spoiledBytes(spoil));
    }
    const QByteArray before = spoiledBytes(spoil);
    // A history is a database: anything else in its place is a file that cannot be read as one.
    const bool unreadable =
        spoil == Spoil::Folder || spoil == Spoil::NoPermission || file == QLatin1String("History.sqlite");
    // A table without a single row that can be read is named as well; the built-in rows serve meanwhile.
    const bool noRow = file == QLatin1String("TLDs.txt") &&
                       (spoil == Spoil::Binary || spoil == Spoil::HugeLine || spoil == Spoil::InvalidUtf8);
    QStringList told;
    {
        std::unique_ptr<testing::UnreadableFile> locked;
        if (spoil == Spoil::NoPermission) {
            locked = std::make_unique<testing::UnreadableFile>(path);
            if (!locked->isValid())
                QSKIP("this system cannot make a file unreadable for the test");
        }
        testing::StartedProgram second(folder);
        QVERIFY(second.window);
        QVERIFY(!second.context->tlds.table().isEmpty());
        // Beside the default line the chooser offers the TLDs of the rows that serve.
        const auto *chooser = second.window->findChild<sources::TldChooser *>();
        QVERIFY(chooser && chooser->count() > 1);
        for (const platform::MessageRequest &message : second.fakes.messages.shown) {
            if (message.text.contains(QLatin1String("could not be read")))
                told.append(message.text);
        }
    }
    if (unreadable || noRow) {
        QCOMPARE(told.size(), 1);
        QVERIFY2(told.constFirst().contains(QFileInfo(path).fileName()), qPrintable(told.constFirst()));
    } else {
        QVERIFY2(told.isEmpty(), qPrintable(told.join(QLatin1Char('|'))));
    }
    if (spoil == Spoil::Folder) {
        QVERIFY(QFileInfo(path).isDir());
        QVERIFY(QDir(path).isEmpty());
    } else if (!inSettings || unreadable) {
        // The settings are the program's own to rewrite once it could read them.
        QFile in(path);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QVERIFY2(in.readAll() == before, "the file was changed");
    }
}

QTEST_MAIN(TestBadFiles)
#include "tst_badfiles.moc"
