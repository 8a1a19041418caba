#pragma once

#include <QSignalBlocker>
#include <QString>

#include <functional>
#include <optional>

class CProfileDocument;

// The edits made through a document while an edit group lives become one
// undo step named undoText; a group in which no edit changed the profile
// leaves no step, but one with an accepted edit marks the document modified,
// as that edit alone would. Groups nest: an inner group joins the outer
// one's step.
//
//   Steps         each edit is announced as it is made and stays (a
//                 command's edits, some of which a rule may refuse)
//   AllOrNothing  the edits stay only when keep() is called before the
//                 group ends; otherwise the profile is put back as it was
//                 when the group began (an inner group puts back only its
//                 own edits). Nothing is announced meanwhile; a change is
//                 announced once at the end as the whole profile reloaded.
class CEditGroup {
public:
    enum Kind { Steps, AllOrNothing };

    CEditGroup(CProfileDocument &document, const QString &undoText, Kind kind = Steps);
    ~CEditGroup();
    CEditGroup(const CEditGroup &) = delete;
    CEditGroup &operator=(const CEditGroup &) = delete;

    void keep() { m_kept = true; }

private:
    CProfileDocument &m_document;
    const QString m_undoText;
    const Kind m_kind;
    const bool m_outermost;
    const bool m_recording; // whether the document recorded undo steps before
    QString m_before; // the profile text, when the group needs it
    bool m_kept = false;
    std::optional<QSignalBlocker> m_quiet;
};

// Runs body's edits as one AllOrNothing group: kept when body answers true.
// Returns body's answer.
bool EditAllOrNothing(CProfileDocument &document, const QString &undoText, const std::function<bool()> &body);
