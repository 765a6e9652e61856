#include "sources/NameGenerator.h"

#include "platform/TextCodec.h"
#include "sources/AffixFile.h"
#include "tld/DomainRule.h"
#include "tld/PublicSuffixes.h"

#include <QElapsedTimer>
#include <QSaveFile>

namespace sources {

namespace {

// Long enough that the slices cost nothing, short enough that the window stays smooth.
constexpr int sliceMs = 20;

constexpr qsizetype writePieceBytes = 8 * 1024 * 1024;

QByteArray withoutBlanks(QByteArray text)
{
    return text.replace(" ", "");
}

bool isAsciiName(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 0x7f; });
}

bool isAsciiLabel(QByteArrayView label)
{
    return isAsciiName(label) && tld::asciiLabelProblem(label) == tld::NameProblem::None;
}

} // namespace

NameGenerator::NameGenerator(QObject *parent) : QObject(parent)
{
    m_slice.setSingleShot(true);
    m_slice.setInterval(0);
    connect(&m_slice, &QTimer::timeout, this, &NameGenerator::step);
}

NameGenerator::~NameGenerator() = default;

bool NameGenerator::start(const GeneratorRequest &request)
{
    if (isRunning())
        return false;
    m_request = request;
    m_names.clear();
    m_sinceStatus = 0;
    m_tlds.clear();
    for (const QString &tld : request.tlds) {
        const QByteArray text = platform::encodeText(tld.toLower());
        const QByteArrayView bare = QByteArrayView(text).sliced(text.startsWith('.') ? 1 : 0);
        m_tlds.append({text, text.startsWith('.') && isAsciiName(bare) &&
                                 tld::publicSuffixKind(bare) != tld::SuffixKind::NotSuffix});
    }
    if (request.base.size() > 1) {
        const QByteArray base = platform::encodeText(request.base);
        for (const Ending &ending : std::as_const(m_tlds))
            addByTheRule(base, ending);
        m_sinceStatus = m_names.count();
    }
    m_base = withoutBlanks(platform::encodeText(request.base));
    // A file that cannot be read ends the affix pass at once; the names made so far still count.
    m_affixes = AffixFile(request.affixPath).readAffixes();
    m_nextAffix = 0;
    schedule(State::Generating);
    return true;
}

void NameGenerator::cancel()
{
    m_slice.stop();
    m_output.reset(); // an uncommitted file leaves the old list in place
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
        writeSlice();
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
    // Blanks are single bytes in the encoded text, so they can go after encoding.
    const QByteArray text = withoutBlanks(platform::encodeText(affix));
    const int before = createdCount();
    const GeneratorOptions &options = m_request.options;
    if (options.prefixes) {
        addWithEveryTld(text + m_base);
        if (options.hyphens)
            addWithEveryTld(text + '-' + m_base);
    }
    if (options.suffixes) {
        addWithEveryTld(m_base + text);
        if (options.hyphens)
            addWithEveryTld(m_base + '-' + text);
    }
    m_sinceStatus += createdCount() - before;
    if (m_sinceStatus >= namesPerStatus) {
        emit statusChanged(QStringLiteral("Creating Domains - Created %1 so far...").arg(createdCount()));
        m_sinceStatus = 0;
    }
}

void NameGenerator::addWithEveryTld(const QByteArray &stem)
{
    // Nearly every name is one ASCII label before a public suffix: the label is checked once for all
    // TLDs, and each name needs only the list's word that it is no public suffix itself.
    const QByteArray label = stem.toLower();
    const bool plain = isAsciiLabel(label);
    for (const Ending &ending : std::as_const(m_tlds)) {
        if (!plain || !ending.isSuffix) {
            addByTheRule(stem, ending);
            continue;
        }
        const QByteArray name = label + ending.text;
        if (name.size() <= 253 && tld::publicSuffixKind(name) == tld::SuffixKind::NotSuffix)
            m_names.add(label, ending.text);
    }
}

void NameGenerator::addByTheRule(const QByteArray &stem, const Ending &ending)
{
    const tld::EntryName read = tld::readEntry(platform::decodeText(stem + ending.text));
    if (read.isDomain())
        m_names.add(platform::encodeText(read.name), QByteArray());
}

void NameGenerator::writeSlice()
{
    const QByteArray &text = m_names.fileText();
    if (!m_output) {
        m_output = std::make_unique<QSaveFile>(m_request.outputPath);
        m_written = 0;
        if (!m_output->open(QIODevice::WriteOnly)) {
            failWriting();
            return;
        }
    }
    // Written in pieces so that a list of two million names does not freeze the window while it goes out.
    const qsizetype piece = std::min<qsizetype>(writePieceBytes, text.size() - m_written);
    if (piece > 0 && m_output->write(text.constData() + m_written, piece) != piece) {
        failWriting();
        return;
    }
    m_written += piece;
    if (m_written < text.size()) {
        schedule(State::Writing);
        return;
    }
    const bool committed = m_output->commit();
    m_output.reset();
    if (!committed) {
        failWriting();
        return;
    }
    emit statusChanged(QStringLiteral("Created %1 domains...  Search Started").arg(createdCount()));
    emit written(createdCount());
    schedule(State::HandingOver);
}

void NameGenerator::failWriting()
{
    m_output.reset();
    m_state = State::Idle;
    emit writeFailed(m_request.outputPath);
}

} // namespace sources
