#include "NewProfileDlg.h"

#include "DialogFrame.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kTemplateFolder = QStringLiteral("profiletemplate");
const QString kTemplateExtension = QStringLiteral(".kv9");

} // namespace

CNewProfileDlg::CNewProfileDlg(QWidget *parent)
    : QDialog(parent, kDialogFrame)
    , m_folder(QDir(CConfigStore::installPath()).filePath(kTemplateFolder))
    , m_models(new QListWidget)
{
    setWindowTitle(tr("New Profile"));
    auto *group = new QGroupBox(tr("Please choose profile model."));
    m_models->setAccessibleName(group->title());
    (new QVBoxLayout(group))->addWidget(m_models);
    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_models, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    const QStringList files
        = QDir(m_folder).entryList({ QLatin1Char('*') + kTemplateExtension }, QDir::Files, QDir::Name);
    for (const QString &file : files)
        m_models->addItem(file.chopped(kTemplateExtension.size()));
    if (files.isEmpty())
        showMessage(tr("Error: Can not find template files!"), MsgStyle::IconError);
    else
        m_models->setCurrentRow(0);
    ok->setEnabled(!files.isEmpty());
}

QString CNewProfileDlg::templatePath() const
{
    const QListWidgetItem *chosen = m_models->currentItem();
    return chosen ? QDir(m_folder).filePath(chosen->text() + kTemplateExtension) : QString();
}
