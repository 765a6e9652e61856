#include "tld/PublicSuffixes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <libpsl.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace tld {

namespace {

struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
};
using NameSet = std::unordered_set<std::string, Hash, std::equal_to<>>;
using KindCache = std::unordered_map<std::string, SuffixKind, Hash, std::equal_to<>>;

// The list as the publicsuffix package keeps it, beside the compiled form libpsl looks for.
QString listFilePath()
{
    return QFileInfo(QFile::decodeName(psl_dist_filename())).dir().filePath(QStringLiteral("public_suffix_list.dat"));
}

/**
 * The list, loaded once, with what makes most questions cheap: libpsl takes a few hundred nanoseconds
 * a question, too slow for millions of names. A name "label.parent" can be a public suffix only when the
 * list has a rule right below its parent ("label.parent" or "*.parent"); most parents ("com") have none,
 * and those that have are known from the list file libpsl read. Top-level answers are remembered.
 */
class SuffixList {
public:
    SuffixList()
    {
        const QString path = listFilePath();
        m_loaded.reset(psl_load_file(QFile::encodeName(path).constData()));
        if (m_loaded && readParents(path)) {
            m_list = m_loaded.get();
            return;
        }
        // Without the file, libpsl's own list answers every question.
        m_loaded.reset(psl_latest(nullptr));
        m_list = m_loaded ? m_loaded.get() : psl_builtin();
    }

    bool hasRulesBelow(std::string_view suffix) const { return !m_knowsParents || m_parents.contains(suffix); }

    SuffixKind kind(std::string_view name)
    {
        const size_t dot = name.find('.');
        if (dot == std::string_view::npos)
            return topLevelKind(name);
        if (!hasRulesBelow(name.substr(dot + 1)))
            return SuffixKind::NotSuffix;
        return ask(std::string(name)) ? SuffixKind::Listed : SuffixKind::NotSuffix;
    }

private:
    struct Free {
        void operator()(psl_ctx_t *list) const { psl_free(list); }
    };

    bool ask(const std::string &name) const
    {
        return m_list && psl_is_public_suffix2(m_list, name.c_str(), PSL_TYPE_ICANN | PSL_TYPE_NO_STAR_RULE) != 0;
    }

    SuffixKind topLevelKind(std::string_view label)
    {
        if (const auto known = m_topLevel.find(label); known != m_topLevel.end())
            return known->second;
        // Every single label is a suffix, by the list or by its default rule.
        const SuffixKind kind = ask(std::string(label)) ? SuffixKind::Listed : SuffixKind::Implicit;
        constexpr size_t remembered = 4096; // junk entries bring junk labels; real TLDs are fewer
        if (m_topLevel.size() < remembered)
            m_topLevel.emplace(label, kind);
        return kind;
    }

    // The parents of the ICANN section's rules of two labels or more, with A-labels.
    bool readParents(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return false;
        bool icann = false;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (line.startsWith("// ===BEGIN ICANN DOMAINS==="))
                icann = true;
            else if (line.startsWith("// ===END ICANN DOMAINS==="))
                break;
            if (!icann || line.isEmpty() || line.startsWith("//"))
                continue;
            QByteArray rule = line.split(' ').constFirst().toLower();
            if (rule.startsWith('!'))
                rule.remove(0, 1);
            const qsizetype dot = rule.indexOf('.');
            if (dot < 0)
                continue;
            QByteArray parent = rule.mid(dot + 1);
            if (std::any_of(parent.cbegin(), parent.cend(), [](char c) { return c & 0x80; }))
                parent = QUrl::toAce(QString::fromUtf8(parent), QUrl::IgnoreIDNWhitelist);
            if (!parent.isEmpty())
                m_parents.emplace(parent.constData(), size_t(parent.size()));
        }
        m_knowsParents = icann;
        return icann;
    }

    std::unique_ptr<psl_ctx_t, Free> m_loaded;
    const psl_ctx_t *m_list = nullptr;
    bool m_knowsParents = false;
    NameSet m_parents;
    KindCache m_topLevel;
};

SuffixList &suffixList()
{
    static SuffixList list;
    return list;
}

std::string_view viewOf(QByteArrayView text)
{
    return {text.data(), size_t(text.size())};
}

} // namespace

bool hasRulesBelow(QByteArrayView asciiSuffix)
{
    return suffixList().hasRulesBelow(viewOf(asciiSuffix));
}

SuffixKind publicSuffixKind(QByteArrayView asciiName)
{
    if (asciiName.isEmpty())
        return SuffixKind::NotSuffix;
    return suffixList().kind(viewOf(asciiName));
}

} // namespace tld
