#pragma once

#include "document/ChannelCsvImport.h"

#include <QDialog>

class CProfileDocument;
class QTreeWidget;

// The preview of a channel file's import: each row's line and what it adds,
// changes, adapts, loses or is refused for, before anything changes; Import
// then takes the rows that are not refused as one undo step.
class CChannelImportDialog : public QDialog {
    Q_OBJECT

public:
    CChannelImportDialog(CProfileDocument &document, const CChannelCsvImport &import,
        const ChannelImportReport &preview, QWidget *parent = nullptr);

    QTreeWidget *previewList() const { return m_preview; }
    void accept() override;

    // Asks for a file and imports it after the preview; the file is read
    // only when it is no larger than the format allows.
    static void importFile(CProfileDocument &document, QWidget *parent);
    // Asks for a file name and writes the channels to it.
    static void exportFile(CProfileDocument &document, QWidget *parent);

private:
    CProfileDocument &m_document;
    const CChannelCsvImport &m_import;
    QTreeWidget *m_preview;
};
