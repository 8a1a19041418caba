#pragma once

#include <QDialog>

class QListWidget;

// Chooses the model template a new profile starts from: one line per
// ".kv9" file of the install directory's "profiletemplate" folder.
class CNewProfileDlg : public QDialog {
    Q_OBJECT

public:
    explicit CNewProfileDlg(QWidget *parent = nullptr);

    // The full path of the chosen template; empty when none is chosen.
    QString templatePath() const;

private:
    QString m_folder;
    QListWidget *m_models;
};
