#include "ProfileDialogs.h"

#include "AppIdentity.h"
#include "FileDialogs.h"
#include "base/ConfigStore.h"
#include "editors/AboutDlg.h"
#include "editors/AskPwdDlg.h"
#include "editors/DealerInfoDialog.h"
#include "editors/NewProfileDlg.h"

namespace ProfileDialogs {

CDocumentCommands::Dialogs forWindow(QWidget *parent)
{
    CDocumentCommands::Dialogs dialogs;
    dialogs.chooseTemplate = [parent] {
        CNewProfileDlg dialog(parent);
        return dialog.exec() == QDialog::Accepted ? dialog.templatePath() : QString();
    };
    dialogs.chooseOpenPath = [parent] { return FileDialogs::chooseOpenPath(parent); };
    dialogs.chooseSavePath
        = [parent](const QString &suggested) { return FileDialogs::chooseSavePath(parent, suggested); };
    return dialogs;
}

bool askPassword(QWidget *parent, const QString &radioPassword, QString &typed)
{
    CAskPwdDlg dialog(radioPassword, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // A wrong password hands on nothing, so the operation asks again.
    typed = dialog.matchedPassword();
    return true;
}

void showDealerInfo(QWidget *parent)
{
    CDealerInfoDialog::Run(CConfigStore::currentLanguage(), parent);
}

void showAbout(const CProductContext &context, QWidget *parent)
{
    CAboutDlg(context, AppIdentity::applicationName(), parent).exec();
}

} // namespace ProfileDialogs
