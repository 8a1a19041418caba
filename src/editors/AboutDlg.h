#pragma once

#include <QDialog>

class CProductContext;

// The About box: the product picture, the program's name (productName, as
// the Help menu names it) and version and the product version of the
// installed settings.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    CAboutDlg(const CProductContext &context, const QString &productName, QWidget *parent = nullptr);
};
