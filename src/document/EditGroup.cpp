#include "EditGroup.h"

#include "ProfileDocument.h"

CEditGroup::CEditGroup(CProfileDocument &document, const QString &undoText, Kind kind)
    : m_document(document)
    , m_undoText(undoText)
    , m_kind(kind)
    , m_outermost(document.m_group.depth == 0)
    , m_recording(document.m_recording)
{
    // The text before is what an undo step or a put-back goes back to; the
    // edits inside record no steps of their own.
    if (kind == AllOrNothing || (m_outermost && m_recording))
        m_before = document.model().mainDocument().xml();
    if (m_outermost)
        document.m_group = { 0, m_recording ? m_before : QString(), false, false };
    if (kind == AllOrNothing)
        m_quiet.emplace(&document);
    document.m_recording = false;
    ++document.m_group.depth;
}

CEditGroup::~CEditGroup()
{
    CProfileDocument::GroupState &group = m_document.m_group;
    --group.depth;
    m_document.m_recording = m_recording;
    const bool kept = m_kind == Steps || m_kept;
    CRadioDataModel &model = m_document.model();
    const QString after = m_before.isNull() ? QString() : model.mainDocument().xml();
    const bool quietChange = m_kind == AllOrNothing && after != m_before;
    if (quietChange && !kept)
        model.RestoreMainDocument(m_before);
    m_quiet.reset();
    if (m_outermost && kept && m_recording) {
        if (group.changed)
            m_document.recordReplacement(m_before, after, m_undoText);
        else if (group.accepted)
            m_document.setModified(true); // as for one accepted edit of the value held
    }
    if (m_outermost)
        group.before.clear();
    // Data items taken before are stale after a quiet change or its put-back.
    if (quietChange)
        emit m_document.changed(ProfileChange {});
}

bool EditAllOrNothing(CProfileDocument &document, const QString &undoText, const std::function<bool()> &body)
{
    CEditGroup group(document, undoText, CEditGroup::AllOrNothing);
    const bool keep = body();
    if (keep)
        group.keep();
    return keep;
}
