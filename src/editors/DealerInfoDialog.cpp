#include "DealerInfoDialog.h"

#include "DealerTextEdit.h"
#include "DialogFrame.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kBytesPerCharacter = 2;

} // namespace

int CDealerInfoDialog::Run(const QString &language, QWidget *parent)
{
    if (language.isEmpty()) {
        showMessage(tr("Error: There is an error when acquiring language type."), MsgStyle::IconError);
        return Rejected;
    }
    QString left, right, middle;
    if (!CConfigStore::dealerInfo(language, left, right, middle)) {
        showMessage(tr("Error: Load dealer information failed."), MsgStyle::IconError);
        return Rejected;
    }
    for (QString *text : { &left, &right, &middle }) {
        if (text->size() * kBytesPerCharacter >= kTooLongBytes) {
            showMessage(
                tr("The dealer information in the settings is too long to fit the dialog, please check it!"),
                MsgStyle::IconWarning);
            return Rejected;
        }
        text->truncate(kReadBytes / kBytesPerCharacter);
    }
    CDealerInfoDialog dialog(language, left, middle, right, parent);
    return dialog.exec();
}

CDealerInfoDialog::CDealerInfoDialog(const QString &language, const QString &left, const QString &middle,
    const QString &right, QWidget *parent)
    : QDialog(parent, kDialogFrame)
    , m_language(language)
    , m_left(new CDealerTextEdit)
    , m_middle(new CDealerTextEdit)
    , m_right(new CDealerTextEdit)
{
    setWindowTitle(tr("Dealer Information"));
    auto *layout = new QGridLayout(this);
    const struct {
        CDealerTextEdit *edit;
        QString label;
        const QString &text;
    } columns[] = { { m_left, tr("Dealer Information"), left }, { m_middle, tr("Notes"), middle },
        { m_right, tr("Contact Information"), right } };
    int column = 0;
    for (const auto &entry : columns) {
        auto *label = new QLabel(entry.label);
        label->setBuddy(entry.edit);
        entry.edit->setAccessibleName(entry.label);
        entry.edit->setStoredText(entry.text);
        layout->addWidget(label, 0, column);
        layout->addWidget(entry.edit, 1, column++);
    }
    auto *buttons = new QDialogButtonBox;
    buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons, 2, 0, 1, column);
}

void CDealerInfoDialog::accept()
{
    if (!CConfigStore::setDealerInfo(
            m_language, m_left->storedText(), m_right->storedText(), m_middle->storedText())) {
        showMessage(tr("Failed to write the settings!"), MsgStyle::IconError);
        return;
    }
    QDialog::accept();
}
