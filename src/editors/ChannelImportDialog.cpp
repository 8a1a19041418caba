#include "ChannelImportDialog.h"

#include "base/MessageReporter.h"
#include "base/SafeFile.h"
#include "base/TextFile.h"
#include "document/ChannelCsv.h"
#include "document/ProfileDocument.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString kindText(ChannelImportNote::Kind kind)
{
    switch (kind) {
    case ChannelImportNote::Added:
        return CChannelImportDialog::tr("Added");
    case ChannelImportNote::Changed:
        return CChannelImportDialog::tr("Changed");
    case ChannelImportNote::Unchanged:
        return CChannelImportDialog::tr("Unchanged");
    case ChannelImportNote::Adapted:
        return CChannelImportDialog::tr("Adapted");
    case ChannelImportNote::Lost:
        return CChannelImportDialog::tr("Lost");
    case ChannelImportNote::Refused:
        return CChannelImportDialog::tr("Refused");
    }
    return QString();
}

QString csvFilter()
{
    return CChannelImportDialog::tr("CSV files (*.csv);;All files (*)");
}

} // namespace

CChannelImportDialog::CChannelImportDialog(CProfileDocument &document, const CChannelCsvImport &import,
    const ChannelImportReport &report, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_import(import)
    , m_preview(new QTreeWidget(this))
{
    setWindowTitle(tr("Import Channels"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(report.refusedRows > 0
            ? tr("%1 row(s) are refused and will not be imported.").arg(report.refusedRows)
            : tr("Nothing changes until you choose Import."),
        this));
    m_preview->setHeaderLabels({ tr("Line"), tr("What"), tr("Details") });
    m_preview->setRootIsDecorated(false);
    for (const ChannelImportNote &note : report.notes)
        new QTreeWidgetItem(m_preview, { QString::number(note.line), kindText(note.kind), note.text });
    m_preview->resizeColumnToContents(0);
    m_preview->resizeColumnToContents(1);
    layout->addWidget(m_preview);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 420);
}

void CChannelImportDialog::accept()
{
    m_import.apply(m_document, true);
    QDialog::accept();
}

void CChannelImportDialog::importFile(CProfileDocument &document, QWidget *parent)
{
    const QString path = QFileDialog::getOpenFileName(parent, tr("Import Channels"), QString(), csvFilter());
    if (path.isEmpty())
        return;
    QByteArray bytes;
    QString why;
    if (!ReadRegularFile(path, ChannelCsv::kMaxBytes, bytes, &why)) {
        showMessage(tr("The file \"%1\" cannot be read: %2").arg(QFileInfo(path).fileName(), why),
            MsgStyle::IconWarning);
        return;
    }
    const CChannelCsvImport import(bytes);
    const ChannelImportReport preview = import.preview(document);
    if (!preview.formatError.isEmpty()) {
        showMessage(preview.formatError, MsgStyle::IconWarning);
        return;
    }
    CChannelImportDialog(document, import, preview, parent).exec();
}

void CChannelImportDialog::exportFile(CProfileDocument &document, QWidget *parent)
{
    const QString path = QFileDialog::getSaveFileName(parent, tr("Export Channels"), QString(), csvFilter());
    if (path.isEmpty())
        return;
    QString why;
    if (!WriteTextFile(path, ChannelCsv::Export(document.root(), document.powerClass()), &why))
        showMessage(
            tr("Failed to save \"%1\": %2").arg(QFileInfo(path).fileName(), why), MsgStyle::IconError);
}
