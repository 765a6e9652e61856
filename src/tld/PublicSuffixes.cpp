#include "tld/PublicSuffixes.h"

#include <libpsl.h>

#include <memory>

namespace tld {

namespace {

// Loaded once: the newer of the system's list and libpsl's own, which is kept should there be none.
class SuffixList {
public:
    SuffixList() : m_loaded(psl_latest(nullptr)), m_list(m_loaded ? m_loaded.get() : psl_builtin()) {}

    const psl_ctx_t *get() const { return m_list; }

private:
    struct Free {
        void operator()(psl_ctx_t *list) const { psl_free(list); }
    };
    std::unique_ptr<psl_ctx_t, Free> m_loaded;
    const psl_ctx_t *m_list;
};

const psl_ctx_t *suffixList()
{
    static const SuffixList list;
    return list.get();
}

} // namespace

SuffixKind publicSuffixKind(QByteArrayView asciiName)
{
    // libpsl reads C strings; names are short, so a copy on the stack does.
    char name[256];
    if (asciiName.isEmpty() || asciiName.size() >= qsizetype(sizeof name))
        return SuffixKind::NotSuffix;
    std::copy(asciiName.begin(), asciiName.end(), name);
    name[asciiName.size()] = '\0';
    const psl_ctx_t *list = suffixList();
    if (list && psl_is_public_suffix2(list, name, PSL_TYPE_ICANN | PSL_TYPE_NO_STAR_RULE) != 0)
        return SuffixKind::Listed;
    // The default rule makes every last label a suffix.
    return asciiName.contains('.') ? SuffixKind::NotSuffix : SuffixKind::Implicit;
}

} // namespace tld
