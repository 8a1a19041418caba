#pragma once

#include <QDialog>

class CDealerTextEdit;

// The dealer's three texts of the current language (dealer information,
// notes, contact information), kept in the user's configuration.
class CDealerInfoDialog : public QDialog {
    Q_OBJECT

public:
    // Reads the texts of language and shows the dialog only when they could
    // be read (else the message says why). The dialog's result, or Rejected
    // when it was not shown.
    static int Run(const QString &language, QWidget *parent = nullptr);

    CDealerInfoDialog(const QString &language, const QString &left, const QString &middle,
        const QString &right, QWidget *parent = nullptr);

    // Writes the texts; on a failure the message shows and the dialog stays.
    void accept() override;

    // A stored text of this many bytes of UTF-16 or more keeps the dialog
    // closed; of a shorter one this many are read.
    static constexpr int kTooLongBytes = 503;
    static constexpr int kReadBytes = 500;

private:
    QString m_language;
    CDealerTextEdit *m_left;
    CDealerTextEdit *m_middle;
    CDealerTextEdit *m_right;
};
