#include "DesktopReporter.h"

#include "AppIdentity.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::StandardButtons buttonsOf(unsigned style)
{
    switch (style & MsgStyle::ButtonMask) {
    case MsgStyle::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgStyle::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgStyle::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconOf(unsigned style)
{
    switch (style & ~unsigned(MsgStyle::ButtonMask)) {
    case MsgStyle::IconError:
        return QMessageBox::Critical;
    case MsgStyle::IconQuestion:
        return QMessageBox::Question;
    case MsgStyle::IconWarning:
        return QMessageBox::Warning;
    case MsgStyle::IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int answerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MsgAnswer::Yes;
    case QMessageBox::No:
        return MsgAnswer::No;
    case QMessageBox::Cancel:
        return MsgAnswer::Cancel;
    default:
        return MsgAnswer::Ok;
    }
}

} // namespace

int CDesktopReporter::show(const QString &text, unsigned style)
{
    if (m_beforeShow)
        m_beforeShow();
    QMessageBox box(
        iconOf(style), AppIdentity::applicationName(), text, buttonsOf(style), QApplication::activeWindow());
    box.setAccessibleName(AppIdentity::applicationName());
    box.setAccessibleDescription(text);
    return answerOf(box.exec());
}
