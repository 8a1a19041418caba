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

    // Writes the texts; on a failure the message shows and the dialog stays.
    void accept() override;

    CDealerInfoDialog(const QString &language, const QString &left, const QString &middle,
        const QString &right, QWidget *parent = nullptr);

    // The most a stored text may take, in bytes of UTF-16, before the
    // dialog refuses to open; and what of it is read.
    static constexpr int kTooLongBytes = 503;
    static constexpr int kReadBytes = 500;

private:
    QString m_language;
    CDealerTextEdit *m_left;
    CDealerTextEdit *m_middle;
    CDealerTextEdit *m_right;
};
