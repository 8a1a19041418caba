#include "CompareDialog.h"

#include "ProfileWindow.h"
#include "VelaCPSDoc.h"
#include "editors/DialogFrame.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace {

// Item data of the other side: the index of an open profile, or one of these.
constexpr int kFile = -1;
constexpr int kRadio = -2;

} // namespace

CCompareDialog::CCompareDialog(
    const QList<CProfileWindow *> &windows, CProfileWindow *active, bool radioReady, QWidget *parent)
    : QDialog(parent, kDialogFrame)
    , m_windows(windows)
    , m_radioReady(radioReady)
    , m_profile(new QComboBox(this))
    , m_other(new QComboBox(this))
{
    setWindowTitle(tr("Compare"));
    auto *layout = new QFormLayout(this);
    for (CProfileWindow *window : windows)
        m_profile->addItem(window->document().title());
    m_profile->setCurrentIndex(std::max(0, int(windows.indexOf(active))));
    layout->addRow(tr("&Profile:"), m_profile);
    layout->addRow(tr("Compare &with:"), m_other);
    fillOthers();
    connect(m_profile, &QComboBox::currentIndexChanged, this, &CCompareDialog::fillOthers);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(tr("&Compare"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addRow(buttons);
    m_other->setFocus();
}

void CCompareDialog::fillOthers()
{
    m_other->clear();
    for (int i = 0; i < m_windows.size(); ++i) {
        if (i != m_profile->currentIndex())
            m_other->addItem(m_windows[i]->document().title(), i);
    }
    m_other->addItem(tr("A profile or codeplug image file..."), kFile);
    if (m_radioReady)
        m_other->addItem(tr("The radio on the cable"), kRadio);
}

CProfileWindow *CCompareDialog::profile() const
{
    return m_windows.value(m_profile->currentIndex());
}

CCompareDialog::Other CCompareDialog::other() const
{
    const int data = m_other->currentData().toInt();
    return data == kFile ? Other::File : data == kRadio ? Other::Radio : Other::Profile;
}

CProfileWindow *CCompareDialog::otherProfile() const
{
    return m_windows.value(m_other->currentData().toInt());
}
