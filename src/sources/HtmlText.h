#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace sources {

/**
 * Reads a page's HTML as a reader of the page sees it: the visible text, with entities decoded and
 * scripts, styles and comments left out, and a line break wherever markup other than inline formatting
 * (bold, italics, spans, word breaks...) separates it, as cells, paragraphs and list items do; besides,
 * the targets of its links and the sources of its frames.
 *
 * The page may come in pieces of any size: what a piece leaves unfinished (a tag, an entity) is
 * finished by the next one.
 */
class HtmlText {
public:
    /// Reads the next piece of the page.
    void feed(QStringView html);
    /// The page ended: an unfinished entity counts as text, an unfinished tag is dropped.
    void finish();

    /// A link target (href), entities decoded, and where it stood in the text taken with it.
    struct Link {
        qsizetype at;
        QString target;
    };

    /// Visible text read since the last call.
    QString takeText();
    /// Link targets read since the last call; take them before the text they stand in.
    QList<Link> takeLinks();
    /// Frame sources (src) read since the last call, entities decoded.
    QStringList takeFrames();

    /// Longest tag kept: the rest of a longer one (a data address, say) is read past.
    static constexpr qsizetype longestTag = 64 * 1024;

private:
    enum class State { Text, Entity, TagOpen, Tag, Comment, RawText };

    void read(QChar c);
    void readText(QChar c);
    void readEntity(QChar c);
    void readTagOpen(QChar c);
    void readTag(QChar c);
    void readComment(QChar c);
    void readRawText(QChar c);
    void endEntity();
    void endTag();

    State m_state = State::Text;
    QString m_text;
    QList<Link> m_links;
    QStringList m_frames;
    QString m_entity;
    QString m_tag;
    QChar m_quote;    ///< the quote a tag's attribute value is in, or none
    int m_dashes = 0; ///< dashes in a row just read in a comment
    QString m_rawEnd; ///< "</script" and the like: what ends the raw text being read past
    qsizetype m_rawMatched = 0;
};

} // namespace sources
