#include "DealerTextEdit.h"

#include <QSignalBlocker>
#include <QTextBlock>

namespace {

const QString kStoredBreak = QStringLiteral("\r\n");

int StoredLength(const QString &plainText)
{
    return int(plainText.size() + plainText.count(QLatin1Char('\n')));
}

} // namespace

CDealerTextEdit::CDealerTextEdit(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &CDealerTextEdit::keepWithinLimit);
}

QString CDealerTextEdit::storedText() const
{
    return toPlainText().replace(QLatin1Char('\n'), kStoredBreak);
}

void CDealerTextEdit::setStoredText(const QString &text)
{
    setPlainText(QString(text).replace(kStoredBreak, QStringLiteral("\n")));
}

void CDealerTextEdit::keepWithinLimit()
{
    if (StoredLength(toPlainText()) <= kMaxStoredLength)
        return;
    // What was just typed or pasted ends at the cursor: drop it from there
    // backwards until the text fits.
    const QSignalBlocker blocker(this);
    QTextCursor cursor = textCursor();
    while (StoredLength(toPlainText()) > kMaxStoredLength && cursor.position() > 0)
        cursor.deletePreviousChar();
    setTextCursor(cursor);
}
