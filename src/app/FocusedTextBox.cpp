#include "FocusedTextBox.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool hasSelectedText(const QLineEdit *box)
{
    return box->hasSelectedText();
}

template <typename Box> bool hasSelectedText(const Box *box)
{
    return box->textCursor().hasSelection();
}

void removeSelectedText(QLineEdit *box)
{
    box->del();
}

template <typename Box> void removeSelectedText(Box *box)
{
    QTextCursor cursor = box->textCursor();
    cursor.removeSelectedText();
    box->setTextCursor(cursor);
}

} // namespace

CFocusedTextBox::CFocusedTextBox(QWidget *widget)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        m_line = combo->lineEdit();
    else if (auto *spin = qobject_cast<QAbstractSpinBox *>(widget))
        m_line = spin->findChild<QLineEdit *>();
    else if (auto *line = qobject_cast<QLineEdit *>(widget))
        m_line = line;
    else if (auto *text = qobject_cast<QTextEdit *>(widget))
        m_text = text;
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
        m_plain = plain;
}

template <typename Action> auto CFocusedTextBox::visit(Action action) const
{
    if (m_line)
        return action(m_line.data());
    if (m_text)
        return action(m_text.data());
    if (m_plain)
        return action(m_plain.data());
    using Result = decltype(action(m_line.data()));
    return Result();
}

QWidget *CFocusedTextBox::widget() const
{
    return visit([](QWidget *box) { return box; });
}

bool CFocusedTextBox::isReadOnly() const
{
    return visit([](auto *box) { return box->isReadOnly(); });
}

bool CFocusedTextBox::isPassword() const
{
    return m_line && m_line->echoMode() != QLineEdit::Normal;
}

bool CFocusedTextBox::hasSelection() const
{
    return visit([](auto *box) { return hasSelectedText(box); });
}

void CFocusedTextBox::cut()
{
    visit([](auto *box) { box->cut(); });
}

void CFocusedTextBox::copy()
{
    visit([](auto *box) { box->copy(); });
}

void CFocusedTextBox::paste()
{
    visit([](auto *box) { box->paste(); });
}

void CFocusedTextBox::clearSelection()
{
    visit([](auto *box) { removeSelectedText(box); });
}
