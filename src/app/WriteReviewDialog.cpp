#include "WriteReviewDialog.h"

#include "DifferenceList.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "editors/DialogFrame.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CWriteReviewDialog::CWriteReviewDialog(
    const QList<ProfileDifference> &changes, bool sameModel, QWidget *parent)
    : QDialog(parent, kDialogFrame)
    , m_list(new CDifferenceList(this))
    , m_dontAsk(new QCheckBox(tr("&Do not ask again for identical models"), this))
{
    setWindowTitle(tr("Write to Radio"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("The write changes these settings in the radio:"), this);
    intro->setBuddy(m_list);
    layout->addWidget(intro);
    m_list->setDifferences(changes, tr("In the radio"), tr("After the write"));
    layout->addWidget(m_list);
    m_dontAsk->setVisible(sameModel);
    layout->addWidget(m_dontAsk);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton *write = buttons->addButton(tr("&Write"), QDialogButtonBox::AcceptRole);
    write->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(640, 420);
    m_list->setFocus();
}

bool CWriteReviewDialog::reviewsSameModel()
{
    return CConfigStore::sameModelWriteReviewed();
}

void CWriteReviewDialog::accept()
{
    if (!m_dontAsk->isHidden() && m_dontAsk->isChecked() && !CConfigStore::setSameModelWriteReviewed(false))
        showMessage(tr("The choice not to be asked again could not be stored."), MsgStyle::IconWarning);
    QDialog::accept();
}
