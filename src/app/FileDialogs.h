#pragma once

#include <QString>

class QWidget;

// The open and save dialogs of profile files: the profile filter, the
// default extension, and on saving the overwrite question.
namespace FileDialogs {

QString chooseOpenPath(QWidget *parent);
// suggested: the path or file name offered.
QString chooseSavePath(QWidget *parent, const QString &suggested);

} // namespace FileDialogs
