#include "sources/HtmlText.h"

#include <array>

namespace sources {

namespace {

constexpr qsizetype longestEntity = 32;

bool isOneOf(QStringView name, std::initializer_list<const char16_t *> names)
{
    return std::any_of(names.begin(), names.end(), [name](const char16_t *known) { return name == known; });
}

// Tags that format text within a line: a word they cut through is one word on the screen.
bool isInlineTag(QStringView name)
{
    return isOneOf(name, {u"b",    u"i", u"u",   u"em",  u"strong", u"span", u"font", u"wbr",  u"small", u"big",
                          u"mark", u"s", u"sub", u"sup", u"abbr",   u"code", u"tt",   u"nobr", u"ins",   u"del"});
}

// Tags whose content is no text of the page.
bool isRawTextTag(QStringView name)
{
    return isOneOf(name, {u"script", u"style", u"template"});
}

bool isEntityCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x80 && (QChar::isLetterOrNumber(u) || u == '#');
}

// The text an entity stands for ("amp", "#46", "#x2E"); empty when it is no entity this reader knows.
QString entityText(QStringView body)
{
    if (body.startsWith(u'#')) {
        const bool hex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
        bool ok = false;
        const uint code = body.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return QString(QChar::ReplacementCharacter);
        const char32_t ucs4 = code;
        return QString::fromUcs4(&ucs4, 1);
    }
    static const std::array<std::pair<const char16_t *, char16_t>, 7> named = {
        {{u"amp", '&'}, {u"lt", '<'}, {u"gt", '>'}, {u"quot", '"'}, {u"apos", '\''}, {u"nbsp", 0xA0}, {u"shy", 0xAD}}};
    for (const auto &[name, character] : named) {
        if (body.compare(QStringView(name), Qt::CaseInsensitive) == 0)
            return QString(QChar(character));
    }
    return {};
}

// An attribute value with its entities decoded.
QString decodeEntities(QStringView value)
{
    QString decoded;
    decoded.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        qsizetype end = i + 1;
        while (value[i] == u'&' && end < value.size() && end - i <= longestEntity && isEntityCharacter(value[end]))
            ++end;
        const QString text = value[i] == u'&' ? entityText(value.mid(i + 1, end - i - 1)) : QString();
        if (text.isEmpty()) {
            decoded += value[i];
            continue;
        }
        decoded += text;
        i = end < value.size() && value[end] == u';' ? end : end - 1;
    }
    return decoded;
}

// Calls visit(name, value) for each attribute of a tag's text after its name.
template <typename Visit> void forEachAttribute(QStringView tag, qsizetype from, Visit &&visit)
{
    const qsizetype size = tag.size();
    qsizetype i = from;
    auto skipSpace = [&] {
        while (i < size && (tag[i].isSpace() || tag[i] == u'/'))
            ++i;
    };
    for (skipSpace(); i < size; skipSpace()) {
        const qsizetype nameStart = i;
        while (i < size && !tag[i].isSpace() && tag[i] != u'=' && tag[i] != u'/')
            ++i;
        const QStringView name = tag.mid(nameStart, i - nameStart);
        while (i < size && tag[i].isSpace())
            ++i;
        QStringView value;
        if (i < size && tag[i] == u'=') {
            ++i;
            while (i < size && tag[i].isSpace())
                ++i;
            const QChar quote = i < size && (tag[i] == u'"' || tag[i] == u'\'') ? tag[i] : QChar();
            const qsizetype valueStart = quote.isNull() ? i : ++i;
            while (i < size && (quote.isNull() ? !tag[i].isSpace() : tag[i] != quote))
                ++i;
            value = tag.mid(valueStart, i - valueStart);
            if (i < size && !quote.isNull())
                ++i;
        }
        visit(name, value);
    }
}

} // namespace

void HtmlText::feed(QStringView html)
{
    for (const QChar c : html)
        read(c);
}

void HtmlText::finish()
{
    if (m_state == State::Entity)
        endEntity();
    m_state = State::Text;
    m_tag.clear();
}

QString HtmlText::takeText()
{
    return std::exchange(m_text, QString());
}

QList<HtmlText::Link> HtmlText::takeLinks()
{
    return std::exchange(m_links, QList<Link>());
}

QStringList HtmlText::takeFrames()
{
    return std::exchange(m_frames, QStringList());
}

void HtmlText::read(QChar c)
{
    switch (m_state) {
    case State::Text:
        return readText(c);
    case State::Entity:
        return readEntity(c);
    case State::TagOpen:
        return readTagOpen(c);
    case State::Tag:
        return readTag(c);
    case State::Comment:
        return readComment(c);
    case State::RawText:
        return readRawText(c);
    }
}

void HtmlText::readText(QChar c)
{
    if (c == u'<') {
        m_state = State::TagOpen;
    } else if (c == u'&') {
        m_entity.clear();
        m_state = State::Entity;
    } else {
        m_text += c;
    }
}

void HtmlText::readEntity(QChar c)
{
    if (isEntityCharacter(c) && m_entity.size() < longestEntity) {
        m_entity += c;
        return;
    }
    const bool known = !entityText(m_entity).isEmpty();
    endEntity();
    // The semicolon belongs to the entity; whatever else ended it is text (or markup) of its own.
    if (!known || c != u';')
        read(c);
}

void HtmlText::endEntity()
{
    // Pages write "&amp" without its semicolon too; what is no entity stays as it was written.
    const QString text = entityText(m_entity);
    m_text += text.isEmpty() ? QLatin1Char('&') + m_entity : text;
    m_state = State::Text;
}

void HtmlText::readTagOpen(QChar c)
{
    const char16_t u = c.unicode();
    if ((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '/' || u == '!' || u == '?') {
        m_tag = c;
        m_quote = QChar();
        m_state = State::Tag;
        return;
    }
    // "a < b": a lone "<" is text.
    m_text += QLatin1Char('<');
    m_state = State::Text;
    read(c);
}

void HtmlText::readTag(QChar c)
{
    if (!m_quote.isNull()) {
        if (c == m_quote)
            m_quote = QChar();
    } else if (c == u'>') {
        return endTag();
    } else if ((c == u'"' || c == u'\'') && QStringView(m_tag).trimmed().endsWith(u'=')) {
        m_quote = c;
    }
    if (m_tag.size() < longestTag)
        m_tag += c;
    if (m_tag == QLatin1String("!--")) {
        m_dashes = 0;
        m_state = State::Comment;
    }
}

void HtmlText::readComment(QChar c)
{
    if (c == u'>' && m_dashes >= 2) {
        m_state = State::Text;
        return;
    }
    m_dashes = c == u'-' ? m_dashes + 1 : 0;
}

void HtmlText::readRawText(QChar c)
{
    if (c.toLower() == m_rawEnd.at(m_rawMatched)) {
        if (++m_rawMatched < m_rawEnd.size())
            return;
        // The end tag is read on as a tag, up to its ">".
        m_tag = m_rawEnd.mid(1);
        m_quote = QChar();
        m_state = State::Tag;
        return;
    }
    m_rawMatched = c == u'<' ? 1 : 0;
}

void HtmlText::endTag()
{
    const QStringView tag(m_tag);
    const bool closing = tag.startsWith(u'/');
    qsizetype nameEnd = closing ? 1 : 0;
    while (nameEnd < tag.size() && tag[nameEnd].unicode() < 0x80 && QChar::isLetterOrNumber(tag[nameEnd].unicode()))
        ++nameEnd;
    const QString name = tag.mid(closing ? 1 : 0, nameEnd - (closing ? 1 : 0)).toString().toLower();
    m_state = State::Text;
    if (!isInlineTag(name))
        m_text += QLatin1Char('\n');
    if (closing || name.isEmpty()) {
        m_tag.clear();
        return;
    }
    forEachAttribute(tag, nameEnd, [&](QStringView attribute, QStringView value) {
        if (attribute.compare(u"href", Qt::CaseInsensitive) == 0)
            m_links.append({m_text.size(), decodeEntities(value)});
        else if (name == u"frame" && attribute.compare(u"src", Qt::CaseInsensitive) == 0)
            m_frames.append(decodeEntities(value));
    });
    if (isRawTextTag(name) && !tag.trimmed().endsWith(u'/')) {
        m_rawEnd = QStringLiteral("</") + name;
        m_rawMatched = 0;
        m_state = State::RawText;
    }
    m_tag.clear();
}

} // namespace sources
