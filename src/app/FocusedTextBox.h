#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

// The text box that has the keyboard focus, whichever widget class it is
// (line edit, the line edit of an editable combo or spin box, text edit),
// for the clipboard commands and their enabling.
class CFocusedTextBox {
public:
    // The text box of widget, or an empty one when widget is no text box.
    explicit CFocusedTextBox(QWidget *widget);

    bool exists() const { return m_line || m_text || m_plain; }
    // The widget whose signals tell that selection or text changed.
    QWidget *widget() const;
    bool isReadOnly() const;
    bool isPassword() const;
    bool hasSelection() const;

    void cut();
    void copy();
    void paste();
    // Removes the selected text.
    void clearSelection();

private:
    // Runs action on whichever box it is; a default value without one.
    template <typename Action> auto visit(Action action) const;

    QPointer<QLineEdit> m_line;
    QPointer<QTextEdit> m_text;
    QPointer<QPlainTextEdit> m_plain;
};
