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

// A label of letters, digits and inner hyphens (none in the third and fourth place), 1 to 63 long:
// a label the domain rule takes as it is, once in lower case. One pass, and no copy unless the label
// holds capitals. Anything else is left to the rule itself.
bool isPlainLabel(const QByteArray &stem, QByteArray &label)
{
    const qsizetype size = stem.size();
    if (size < 1 || size > 63 || stem.front() == '-' || stem.back() == '-' ||
        (size >= 4 && stem.at(2) == '-' && stem.at(3) == '-'))
        return false;
    bool capitals = false;
    for (const char c : stem) {
        const bool lower = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        const bool upper = c >= 'A' && c <= 'Z';
        if (!lower && !upper)
            return false;
        capitals = capitals || upper;
    }
    label = capitals ? stem.toLower() : stem;
    return true;
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
        const bool isSuffix =
            text.startsWith('.') && isAsciiName(bare) && tld::publicSuffixKind(bare) != tld::SuffixKind::NotSuffix;
        m_tlds.append({text, isSuffix, tld::hasRulesBelow(bare)});
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
    emit statusChanged(tr("Created %1 domains...  Sorting...").arg(createdCount()));
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
        emit statusChanged(tr("Creating Domains - Created %1 so far...").arg(createdCount()));
        m_sinceStatus = 0;
    }
}

void NameGenerator::addWithEveryTld(const QByteArray &stem)
{
    // Nearly every name is one ASCII label before a public suffix that has no rules below it (".com"):
    // the label is checked once for all TLDs, and such a name is registrable as it stands.
    QByteArray label;
    const bool plain = isPlainLabel(stem, label);
    for (const Ending &ending : std::as_const(m_tlds)) {
        if (!plain || !ending.isSuffix || label.size() + ending.text.size() > 253)
            addByTheRule(stem, ending);
        else if (!ending.hasRulesBelow || tld::publicSuffixKind(label + ending.text) == tld::SuffixKind::NotSuffix)
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
    emit statusChanged(tr("Created %1 domains...  Search Started").arg(createdCount()));
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
