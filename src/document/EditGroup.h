#pragma once

#include <QString>

class QUndoStack;

// The edits made while an edit group lives become one undo step named
// undoText. A group in which no edit was accepted leaves no step. Groups
// nest: an inner group joins the outer one.
class CEditGroup {
public:
    CEditGroup(QUndoStack &stack, const QString &undoText);
    ~CEditGroup();
    CEditGroup(const CEditGroup &) = delete;
    CEditGroup &operator=(const CEditGroup &) = delete;

private:
    QUndoStack &m_stack;
    bool m_outermost;
};
