#include "ComparisonWindow.h"

#include "DifferenceList.h"
#include "FieldLocator.h"
#include "ProfileWindow.h"
#include "VelaCPSDoc.h"
#include "editors/DialogFrame.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QVBoxLayout>

CComparisonWindow::CComparisonWindow(const QList<ProfileDifference> &differences, const QString &oldSide,
    CProfileWindow &profile, QWidget *parent)
    : QDialog(parent, kDialogFrame)
    , m_list(new CDifferenceList(this))
    , m_summary(new QLabel(this))
    , m_profile(&profile)
{
    setAttribute(Qt::WA_DeleteOnClose);
    const QString newSide = profile.document().title();
    setWindowTitle(tr("Compare: %1 and %2").arg(oldSide, newSide));
    auto *layout = new QVBoxLayout(this);
    m_summary->setText(differences.isEmpty()
            ? tr("%1 and %2 are the same.").arg(oldSide, newSide)
            : tr("%n difference(s) from %1 to %2:", nullptr, int(differences.size())).arg(oldSide, newSide));
    m_summary->setWordWrap(true);
    m_summary->setBuddy(m_list);
    layout->addWidget(m_summary);
    m_list->setDifferences(differences, oldSide, newSide);
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_goTo = buttons->addButton(tr("&Go to Field"), QDialogButtonBox::ActionRole);
    m_goTo->setEnabled(!differences.isEmpty());
    connect(m_goTo, &QPushButton::clicked, this, &CComparisonWindow::goToField);
    connect(m_list, &CDifferenceList::differenceActivated, this, &CComparisonWindow::goToField);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    // Nothing to go to once the profile's window has closed.
    connect(&profile, &QObject::destroyed, m_goTo, [this] { m_goTo->setEnabled(false); });
    layout->addWidget(buttons);
    resize(720, 460);
    m_list->setFocus();
}

QString CComparisonWindow::summary() const
{
    return m_summary->text();
}

bool CComparisonWindow::goToField()
{
    const ProfileDifference *difference = m_list->currentDifference();
    if (!m_profile || !difference)
        return false;
    if (QMdiArea *area = m_profile->mdiArea())
        area->setActiveSubWindow(m_profile);
    m_profile->window()->activateWindow();
    return FieldLocator::showField(m_profile->frame(), *difference);
}
