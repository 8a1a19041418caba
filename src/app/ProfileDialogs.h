#pragma once

#include "DocumentCommands.h"

class CProductContext;
class QWidget;

// The dialogs the main window's commands open: the template chooser of New,
// the open and save dialogs, the codeplug password prompt, the dealer
// information and the About box.
namespace ProfileDialogs {

CDocumentCommands::Dialogs forWindow(QWidget *parent);
// Asks for the password of a radio that holds radioPassword; typed is what
// may be tried. False for Cancel.
bool askPassword(QWidget *parent, const QString &radioPassword, QString &typed);
void showDealerInfo(QWidget *parent);
void showAbout(const CProductContext &context, QWidget *parent);

} // namespace ProfileDialogs
