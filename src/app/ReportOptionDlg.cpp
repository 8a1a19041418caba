#include "ReportOptionDlg.h"

#include "ReportDlg.h"
#include "base/MessageReporter.h"
#include "base/VelaException.h"
#include "document/ProfileDocument.h"
#include "editors/DialogFrame.h"
#include "reports/ReportGenerator.h"
#include "reports/ReportWriter.h"
#include "settings/ModelRules.h"
#include "settings/ProductContext.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize kIconSize(25, 20);

// The list's pictures: a sheet with a radio (the handout) and a sheet with
// a table (the detailed report).
QIcon reportIcon(ReportKind kind)
{
    QPixmap pixmap(kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x12, 0x3a, 0x63), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(5.5, 0.5, 14, 19));
    if (kind == ReportKind::Handout) {
        painter.setBrush(QColor(0x3a, 0x40, 0x49));
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(9.5, 6, 6, 11), 1.5, 1.5);
        painter.drawRect(QRectF(10, 2.5, 1.5, 4));
        painter.setBrush(QColor(0xd9, 0x82, 0x2b));
        painter.drawRect(QRectF(10.5, 8, 4, 2.5));
    } else {
        painter.setPen(QPen(QColor(0x12, 0x3a, 0x63), 1));
        for (int y = 4; y <= 16; y += 3)
            painter.drawLine(QPointF(8, y + 0.5), QPointF(17, y + 0.5));
        painter.setPen(QPen(QColor(0xd9, 0x82, 0x2b), 1));
        painter.drawLine(QPointF(11.5, 3), QPointF(11.5, 17));
    }
    return QIcon(pixmap);
}

} // namespace

bool CReportOptionDlg::run(CProfileDocument &document, const CProductContext &context, QWidget *parent)
{
    CReportOptionDlg dialog(parent);
    const QString language = context.language();
    // The names are fixed when the dialog opens, as the reports' names are.
    const QString handoutName
        = ReportFiles::ReportFileName(ReportKind::Handout, language, ReportFiles::SystemCodePage());
    const QString detailedName
        = ReportFiles::ReportFileName(ReportKind::Detailed, language, ReportFiles::SystemCodePage());
    if (dialog.exec() != Accepted)
        return false;

    const ReportKind kind = dialog.selectedKind();
    try {
        const std::optional<QString> page = CReportGenerator(document, language).generate(kind);
        if (!page)
            return false;
        const std::optional<WrittenReport> written
            = ReportWriter::WriteReport(kind == ReportKind::Handout ? handoutName : detailedName, *page,
                ReportFiles::ReportFolder(), QDir::tempPath());
        if (!written)
            return false;
        CReportDlg window(*written, kind, ModelRules::IsDisplayModel(document.root()), parent);
        window.exec();
        return true;
    } catch (const CVelaCPSException &error) {
        showMessage(error.text(), MsgStyle::IconError);
        return false;
    }
}

CReportOptionDlg::CReportOptionDlg(QWidget *parent)
    : QDialog(parent, kDialogFrame)
    , m_list(new QListWidget)
{
    setWindowTitle(tr("Reports"));
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(tr("Choose a report template."));
    label->setBuddy(m_list);
    layout->addWidget(label);

    m_list->setObjectName(QStringLiteral("reportList"));
    m_list->setIconSize(kIconSize);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    new QListWidgetItem(reportIcon(ReportKind::Handout), tr("Customer Handout"), m_list);
    new QListWidgetItem(reportIcon(ReportKind::Detailed), tr("Detailed Report"), m_list);
    m_list->setCurrentRow(0);
    layout->addWidget(m_list);

    auto *buttons = new QDialogButtonBox;
    m_ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    m_ok->setDefault(true);
    buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CReportOptionDlg::updateOk);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    updateOk();
}

ReportKind CReportOptionDlg::selectedKind() const
{
    return m_list->currentRow() == 1 ? ReportKind::Detailed : ReportKind::Handout;
}

void CReportOptionDlg::updateOk()
{
    m_ok->setEnabled(!m_list->selectedItems().isEmpty());
}
