#pragma once

#include <QPlainTextEdit>

// One of the three dealer texts: several lines, at most 250 characters as
// stored (a line break is stored as CR LF, two characters). Typing or
// pasting beyond that keeps only what fits.
class CDealerTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int kMaxStoredLength = 250;

    explicit CDealerTextEdit(QWidget *parent = nullptr);

    // The text as stored, with CR LF line breaks.
    QString storedText() const;
    void setStoredText(const QString &text);

private:
    void keepWithinLimit();
};
