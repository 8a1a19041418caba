#include "ReadWriteDialog.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

CReadWriteDialog::CReadWriteDialog(Mode mode, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_mode(mode)
    , m_text(new QLabel(this))
    , m_bar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("readWriteDialog"));
    setModal(true);
    const bool reading = mode == Mode::Read;
    setWindowTitle(reading ? tr("Read") : tr("Write"));
    setAccessibleName(windowTitle());
    m_text->setText(reading ? tr("Reading from the radio ...") : tr("Writing to the radio ..."));
    m_text->setAccessibleName(tr("Transfer status"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setAccessibleName(tr("Transfer progress"));

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setAccessibleName(tr("OK"));
    m_ok->setEnabled(false);
    m_cancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_cancel->setAccessibleName(tr("Cancel"));
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, [this] {
        m_cancel->setEnabled(false);
        emit cancelRequested();
    });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    layout->addWidget(buttons);
    setMinimumWidth(400);
}

void CReadWriteDialog::setProgress(int percent)
{
    m_bar->setValue(percent);
}

int CReadWriteDialog::progress() const
{
    return m_bar->value();
}

QString CReadWriteDialog::text() const
{
    return m_text->text();
}

void CReadWriteDialog::showFailure()
{
    m_text->setText(m_mode == Mode::Read ? tr("Read Failed!") : tr("Write Failed!"));
}

void CReadWriteDialog::finish(bool succeeded)
{
    m_running = false;
    m_cancel->setEnabled(false);
    if (!succeeded) {
        showFailure();
        reject();
        return;
    }
    m_bar->setValue(100);
    m_text->setText(m_mode == Mode::Read ? tr("Read Successfully!") : tr("Write Successfully!"));
    m_ok->setEnabled(true);
    m_ok->setDefault(true);
    m_ok->setFocus();
}

void CReadWriteDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void CReadWriteDialog::closeEvent(QCloseEvent *event)
{
    if (m_running)
        event->ignore();
    else
        QDialog::closeEvent(event);
}
