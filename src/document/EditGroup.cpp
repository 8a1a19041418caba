#include "EditGroup.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <QVariant>

namespace {

// How deep the groups on a stack are nested, kept on the stack itself so
// that every user of the document's stack sees the same count.
constexpr const char *kDepthProperty = "velaEditGroupDepth";

int depthOf(const QUndoStack &stack)
{
    return stack.property(kDepthProperty).toInt();
}

} // namespace

CEditGroup::CEditGroup(QUndoStack &stack, const QString &undoText)
    : m_stack(stack)
    , m_outermost(depthOf(stack) == 0)
{
    m_stack.setProperty(kDepthProperty, depthOf(stack) + 1);
    if (m_outermost)
        m_stack.beginMacro(undoText);
}

CEditGroup::~CEditGroup()
{
    m_stack.setProperty(kDepthProperty, depthOf(m_stack) - 1);
    if (!m_outermost)
        return;
    m_stack.endMacro();
    // A group in which every edit was refused is no step to undo: an
    // obsolete command leaves the stack as it is undone.
    auto *group = const_cast<QUndoCommand *>(m_stack.command(m_stack.index() - 1));
    if (group && group->childCount() == 0) {
        group->setObsolete(true);
        m_stack.undo();
    }
}
