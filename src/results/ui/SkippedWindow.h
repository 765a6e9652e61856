#pragma once

#include <QWidget>

namespace platform {
class ClipboardText;
}

namespace results {

class SkippedEntries;

/// "Skipped entries": the entries of the runs that named no domain that can be registered, each with
/// the reason; none of them was asked of a server. The list can be copied and cleared.
class SkippedWindow : public QWidget {
    Q_OBJECT
public:
    SkippedWindow(SkippedEntries &entries, platform::ClipboardText *clipboard, QWidget *parent = nullptr);

    /// Every entry and its reason, tab-separated, one line each.
    void copyList();

private:
    SkippedEntries &m_entries;
    platform::ClipboardText *m_clipboard;
};

} // namespace results
