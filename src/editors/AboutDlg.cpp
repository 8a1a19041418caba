#include "AboutDlg.h"

#include "DialogFrame.h"
#include "settings/ProductContext.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr char kBanner[] = ":/about.svg";
constexpr QSize kBannerSize { 400, 140 };

} // namespace

CAboutDlg::CAboutDlg(const CProductContext &context, const QString &productName, QWidget *parent)
    : QDialog(parent, kDialogFrame)
{
    const QString &name = productName;
    setWindowTitle(tr("About %1").arg(name));
    auto *layout = new QVBoxLayout(this);
    if (QFile::exists(QLatin1String(kBanner))) {
        auto *banner = new QLabel;
        banner->setPixmap(QIcon(QLatin1String(kBanner)).pixmap(kBannerSize));
        banner->setAccessibleName(name);
        layout->addWidget(banner);
    }
    QStringList lines { QStringLiteral("<b>%1</b>").arg(name.toHtmlEscaped()) };
    if (!QCoreApplication::applicationVersion().isEmpty())
        lines << tr("Version %1").arg(QCoreApplication::applicationVersion()).toHtmlEscaped();
    lines << tr("Product version %1").arg(context.settings().productVersion()).toHtmlEscaped();
    auto *text = new QLabel(lines.join(QStringLiteral("<br>")));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(text);
    auto *buttons = new QDialogButtonBox;
    buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
