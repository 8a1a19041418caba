#pragma once

#include <QDialog>

class QLineEdit;

// Asks for the codeplug password of a protected radio before it is read or
// written. OK always closes with OK; only a typed password equal to the
// radio's is handed on, so the operation stops on a wrong one.
class CAskPwdDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAskPwdDlg(const QString &radioPassword, QWidget *parent = nullptr);

    // The typed password once it matched the radio's; empty otherwise.
    const QString &matchedPassword() const { return m_matched; }

    void accept() override;

    static constexpr int kMaxLength = 4;
    static constexpr int kMinimumWidth = 280;

private:
    QString m_radioPassword;
    QString m_matched;
    QLineEdit *m_password;
};
