#include "AskPwdDlg.h"

#include "DialogFrame.h"
#include "base/MessageReporter.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

CAskPwdDlg::CAskPwdDlg(const QString &radioPassword, QWidget *parent)
    : QDialog(parent, kDialogFrame)
    , m_radioPassword(radioPassword)
    , m_password(new QLineEdit)
{
    setWindowTitle(tr("Dialog"));
    auto *prompt = new QLabel(tr("Please enter the password:"));
    prompt->setBuddy(m_password);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(kMaxLength);
    m_password->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_password));
    m_password->setAccessibleName(prompt->text());
    auto *buttons = new QDialogButtonBox;
    buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_password);
    layout->addWidget(buttons);
    setMinimumWidth(kMinimumWidth);
}

void CAskPwdDlg::accept()
{
    if (m_password->text() == m_radioPassword)
        m_matched = m_password->text();
    else
        showMessage(tr("The password is not correct. Please check it!"), MsgStyle::IconWarning);
    QDialog::accept();
}
