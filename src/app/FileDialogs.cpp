#include "FileDialogs.h"

#include "AppIdentity.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace {

QString choose(QWidget *parent, QFileDialog::AcceptMode mode, const QString &suggested)
{
    const bool saving = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(parent,
        saving ? QCoreApplication::translate("FileDialogs", "Save As")
               : QCoreApplication::translate("FileDialogs", "Open"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(AppIdentity::profileFileFilter().split(QStringLiteral(";;")));
    dialog.setDefaultSuffix(QLatin1String(AppIdentity::kProfileExtension));
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

namespace FileDialogs {

QString chooseOpenPath(QWidget *parent)
{
    return choose(parent, QFileDialog::AcceptOpen, QString());
}

QString chooseSavePath(QWidget *parent, const QString &suggested)
{
    return choose(parent, QFileDialog::AcceptSave, suggested);
}

} // namespace FileDialogs
