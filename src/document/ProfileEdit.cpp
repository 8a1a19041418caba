// The one path every edit of a profile document takes: the hook's verdict,
// the modified flag, the undo step and the change signal.

#include "ProfileDocument.h"

#include "base/MessageReporter.h"
#include "base/VelaException.h"

#include <QScopeGuard>
#include <QUndoCommand>

namespace {

// The place of a channel or a frequency in its list; -1 for other elements.
int listIndex(const CDataItem &item)
{
    const QString list = item.node().parent().localName();
    return list == QLatin1String("channels") || list == QLatin1String("frequencies") ? item.GetIndexInParent()
                                                                                     : -1;
}

} // namespace

// One undo step: the whole profile text before and after an edit. A profile
// loads in about a millisecond, so keeping texts is simpler and safer than
// inverting what each hook changed.
class ProfileTextStep : public QUndoCommand {
public:
    ProfileTextStep(CProfileDocument &document, const QString &text, QString before, QString after)
        : QUndoCommand(text)
        , m_document(document)
        , m_before(std::move(before))
        , m_after(std::move(after))
    {
    }

    void undo() override { m_document.restore(m_before); }
    void redo() override
    {
        // The stack redoes a step as it is pushed, when the edit is made.
        if (m_made)
            m_document.restore(m_after);
        m_made = true;
    }

private:
    CProfileDocument &m_document;
    const QString m_before;
    const QString m_after;
    bool m_made = false;
};

HookVerdict CProfileDocument::setAttribute(
    CDataItem &item, const QString &attribute, const QVariant &value, const QString &undoText, int context)
{
    return applyEdit(
        undoText, [&] { return item.SetAttributeValue(attribute, value, context); },
        [&] {
            return ProfileChange { ProfileChange::Attribute, item.name(), listIndex(item), attribute };
        });
}

AddedChild CProfileDocument::addChild(CDataItem &parent, const QString &undoText)
{
    AddedChild added;
    added.verdict = applyEdit(
        undoText, [&] { return parent.AddNewChild(added.item) ? HookVerdict {} : HookVerdict { 1 }; },
        [&] {
            return ProfileChange { ProfileChange::ChildAdded, parent.name(), added.item.GetIndexInParent(),
                {} };
        });
    return added;
}

HookVerdict CProfileDocument::removeChild(CDataItem &parent, int index, const QString &undoText, int context)
{
    return applyEdit(
        undoText, [&] { return parent.RemoveChildByIndex(index, context); },
        [&] {
            return ProfileChange { ProfileChange::ChildRemoved, parent.name(), index, {} };
        });
}

HookVerdict CProfileDocument::addFrequency(
    CDataItem &frequencies, const FrequencyRow &row, const QString &undoText)
{
    // The hook appends the new row.
    return applyEdit(
        undoText, [&] { return frequencies.AddFrequency(row); },
        [&] {
            return ProfileChange { ProfileChange::ChildAdded, frequencies.name(),
                frequencies.GetChildCount() - 1, {} };
        });
}

HookVerdict CProfileDocument::setFrequency(
    CDataItem &frequencies, const FrequencyRow &row, const QString &undoText, int context)
{
    return applyEdit(
        undoText, [&] { return frequencies.SetFreqAttributeValue(row, context); },
        [&] {
            return ProfileChange { ProfileChange::Frequencies, frequencies.name(), row.index, {} };
        });
}

HookVerdict CProfileDocument::applyEdit(const QString &undoText, const std::function<HookVerdict()> &edit,
    const std::function<ProfileChange()> &describe)
{
    const QString before = m_recording ? m_model.mainDocument().xml() : QString();
    const HookVerdict verdict = edit();
    if (!verdict.accepted())
        return verdict;
    if (m_recording) {
        QString after = m_model.mainDocument().xml();
        // An accepted value equal to the one held still marks the document
        // modified, but is no step to undo.
        if (after == before)
            setModified(true);
        else
            m_undoStack.push(new ProfileTextStep(*this, undoText, before, std::move(after)));
    } else if (m_group.depth > 0) {
        m_group.accepted = true;
        // Until one edit changed the profile, each accepted one is compared.
        if (!m_group.changed && !m_group.before.isNull())
            m_group.changed = m_model.mainDocument().xml() != m_group.before;
    }
    emit changed(describe());
    return verdict;
}

void CProfileDocument::recordReplacement(const QString &before, QString after, const QString &undoText)
{
    m_undoStack.push(new ProfileTextStep(*this, undoText, before, std::move(after)));
}

ModelRules::AttributeWriter CProfileDocument::ruleWriter()
{
    return [this](CDataItem &item, const QString &attribute, const QVariant &value) {
        return setAttribute(item, attribute, value, QString());
    };
}

void CProfileDocument::restore(const QString &text)
{
    try {
        m_model.RestoreMainDocument(text);
    } catch (const CVelaCPSException &exception) {
        showMessage(exception.text(), MsgStyle::IconError);
        return;
    }
    emit changed(ProfileChange {});
}

void CProfileDocument::withoutUndo(const std::function<void()> &body)
{
    const bool wasModified = isModified();
    m_recording = false;
    const auto finish = qScopeGuard([&] {
        // Undo steps made before would put back what the rules changed.
        m_undoStack.clear();
        if (wasModified)
            m_undoStack.resetClean();
        m_recording = true;
    });
    body();
}

void CProfileDocument::setModified(bool modified)
{
    if (modified)
        m_undoStack.resetClean();
    else
        m_undoStack.setClean();
}
