// The name generator at full size: 100,000 affixes and 5 ticked TLDs with every option (2,000,005
// names) generated, written and shown in the real window. Prints the time from the click to the
// hand-over, how often the window repainted meanwhile, the longest stretch without event processing,
// and what scrolling the finished list costs.
#include "platform/AppFolder.h"
#include "platform/ProgramSettings.h"
#include "sources/NameGenerator.h"
#include "sources/ui/GeneratorWindow.h"
#include "tld/TldFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

// Counts paint events of the watched widgets.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void writeInputs(const QTemporaryDir &dir, int affixes)
{
    QFile tlds(dir.filePath(QStringLiteral("TLDs.txt")));
    if (tlds.open(QIODevice::WriteOnly)) {
        for (const char *extension : {"com", "net", "org", "info", "biz"})
            tlds.write(QByteArray(extension) + "|127.0.0.1|43|Enabled|0|No match\r\n");
    }
    QByteArray text;
    for (int i = 0; i < affixes; ++i)
        text += "affix" + QByteArray::number(i) + "\r\n";
    QFile file(dir.filePath(QStringLiteral("Appends.txt")));
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const int affixes = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    writeInputs(dir, affixes);
    platform::AppFolder folder(dir.path());
    platform::ProgramSettings settings(dir.filePath(QStringLiteral("settings")));
    settings.setGeneratorBaseWord(QStringLiteral("example"));
    tld::TldFile tldFile(dir.filePath(QStringLiteral("TLDs.txt")));
    sources::GeneratorWindow window({folder, settings, {}, tldFile});
    window.show();
    auto *list = window.findChild<QListView *>(QStringLiteral("List1"));
    PaintCounter counter;
    window.installEventFilter(&counter);
    list->viewport()->installEventFilter(&counter);

    QElapsedTimer clock;
    qint64 lastTurn = 0;
    qint64 longestGap = 0;
    QTimer heartbeat;
    heartbeat.setInterval(0);
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - lastTurn);
        lastTurn = clock.elapsed();
    });
    qint64 handOverMs = -1;
    qint64 generatedMs = -1;
    qint64 writtenMs = -1;
    QObject::connect(window.generator(), &sources::NameGenerator::statusChanged, [&](const QString &text) {
        if (text.endsWith(QLatin1String("Sorting...")))
            generatedMs = clock.elapsed();
    });
    QObject::connect(window.generator(), &sources::NameGenerator::written, [&] { writtenMs = clock.elapsed(); });
    QObject::connect(&window, &sources::GeneratorWindow::runRequested, [&] {
        handOverMs = clock.elapsed();
        QCoreApplication::exit(0); // quit() would close (and so delete) the window
    });
    QTimer::singleShot(0, [&] {
        clock.start();
        heartbeat.start();
        window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    });
    app.exec();
    heartbeat.stop();
    const int names = window.generator()->createdCount();
    const qint64 fileBytes = QFile(dir.filePath(QStringLiteral("CreatedDomains.txt"))).size();
    out << "affixes " << affixes << ", names " << names << ", file " << fileBytes << " bytes\n";
    out << "click to hand-over: " << handOverMs << " ms (generated and shown " << generatedMs << " ms, written "
        << writtenMs << " ms)\n";
    out << "repaints during the work: " << counter.paints << ", longest stretch without events: " << longestGap
        << " ms\n";

    QElapsedTimer scroll;
    scroll.start();
    list->scrollToBottom();
    list->viewport()->repaint();
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum() / 2);
    list->viewport()->repaint();
    list->setCurrentIndex(list->model()->index(names - 1, 0));
    list->viewport()->repaint();
    out << "scroll to the end, the middle and select the last row: " << scroll.elapsed() << " ms\n";
    return names == affixes * 20 + 5 && handOverMs >= 0 ? 0 : 1;
}
