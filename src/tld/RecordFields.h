#pragma once

#include <QtGlobal>

namespace tld {

class AnswerText;

/// What the field lines of an answer say about the domain.
struct RecordEvidence {
    bool record = false;         ///< registrar, creation or expiry date, name server or holder lines with a value
    bool takenStatus = false;    ///< a status line that a taken name has (ok, active, clientHold, reserved...)
    bool freeStatus = false;     ///< a status line saying the name is free, available or not registered
    qsizetype freeStatusAt = -1; ///< where the first such line starts in the answer's text
};

/**
 * Reads the "key: value", "key<TAB>value" and "[key] value" lines of an answer in the spellings registries use. A key
 * whose value stands on the next, indented line (as in "Name servers:" followed by the hosts) counts
 * too. Keys that also appear in answers about free names (the domain name itself, the time of the last
 * database update) are not record evidence.
 */
RecordEvidence findRecordFields(const AnswerText &answer);

} // namespace tld
