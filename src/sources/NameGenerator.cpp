#include "sources/NameGenerator.h"

#include "platform/AtomicFile.h"
#include "platform/TextCodec.h"
#include "sources/AffixFile.h"

#include <QElapsedTimer>

namespace sources {

namespace {

// Long enough that the slices cost nothing, short enough that the window stays smooth.
constexpr int sliceMs = 20;

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

} // namespace

NameGenerator::NameGenerator(QObject *parent) : QObject(parent)
{
    m_slice.setSingleShot(true);
    m_slice.setInterval(0);
    connect(&m_slice, &QTimer::timeout, this, &NameGenerator::step);
}

bool NameGenerator::start(const GeneratorRequest &request)
{
    if (isRunning())
        return false;
    m_request = request;
    m_names.clear();
    m_sinceStatus = 0;
    m_tlds.clear();
    for (const QString &tld : request.tlds)
        m_tlds.append(platform::encodeText(tld.toLower()));
    if (request.base.size() > 1) {
        const QByteArray base = platform::encodeText(request.base);
        for (const QByteArray &tld : std::as_const(m_tlds))
            m_names.add(base, tld);
        m_sinceStatus = m_names.count();
    }
    // A file that cannot be read ends the affix pass at once; the names made so far still count.
    m_affixes = AffixFile(request.affixPath).readAffixes();
    m_nextAffix = 0;
    schedule(State::Generating);
    return true;
}

void NameGenerator::cancel()
{
    m_slice.stop();
    m_state = State::Idle;
    m_affixes.clear();
}

void NameGenerator::schedule(State next)
{
    m_state = next;
    m_slice.start();
}

void NameGenerator::step()
{
    switch (m_state) {
    case State::Idle:
        return;
    case State::Generating:
        generateSlice();
        return;
    case State::Writing:
        writeList();
        return;
    case State::HandingOver:
        m_state = State::Idle;
        emit finished(createdCount());
        return;
    }
}

void NameGenerator::generateSlice()
{
    QElapsedTimer clock;
    clock.start();
    while (m_nextAffix < m_affixes.size() && !clock.hasExpired(sliceMs))
        addAffix(m_affixes.at(m_nextAffix++));
    m_names.publish();
    if (m_nextAffix < m_affixes.size()) {
        schedule(State::Generating);
        return;
    }
    m_affixes.clear();
    // Nothing is sorted; the text is what users of the list have always seen.
    emit statusChanged(QStringLiteral("Created %1 domains...  Sorting...").arg(createdCount()));
    schedule(State::Writing);
}

void NameGenerator::addAffix(const QString &affix)
{
    const int before = createdCount();
    const GeneratorOptions &options = m_request.options;
    const QString &base = m_request.base;
    const QString hyphen = QStringLiteral("-");
    if (options.prefixes) {
        addWithEveryTld(withoutBlanks(affix + base));
        if (options.hyphens)
            addWithEveryTld(withoutBlanks(affix + hyphen + base));
    }
    if (options.suffixes) {
        addWithEveryTld(withoutBlanks(base + affix));
        if (options.hyphens)
            addWithEveryTld(withoutBlanks(base + hyphen + affix));
    }
    m_sinceStatus += createdCount() - before;
    if (m_sinceStatus >= namesPerStatus) {
        emit statusChanged(QStringLiteral("Creating Domains - Created %1 so far...").arg(createdCount()));
        m_sinceStatus = 0;
    }
}

void NameGenerator::addWithEveryTld(const QString &stem)
{
    const QByteArray encoded = platform::encodeText(stem);
    for (const QByteArray &tld : std::as_const(m_tlds))
        m_names.add(encoded, tld);
}

void NameGenerator::writeList()
{
    if (!platform::writeFileAtomically(m_request.outputPath, m_names.fileText())) {
        m_state = State::Idle;
        emit writeFailed(m_request.outputPath);
        return;
    }
    emit statusChanged(QStringLiteral("Created %1 domains...  Search Started").arg(createdCount()));
    emit written(createdCount());
    schedule(State::HandingOver);
}

} // namespace sources
