#pragma once

#include <QDialog>

class CProductContext;

// The About box: the product picture, the program's name and version and
// the product version of the installed settings.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(const CProductContext &context, QWidget *parent = nullptr);
};
