#include "VelaCPSDoc.h"

#include "AppIdentity.h"
#include "base/MessageReporter.h"
#include "document/ProfileDocument.h"
#include "settings/ModelRules.h"
#include "settings/ProductContext.h"

#include <QApplication>
#include <QFileInfo>
#include <QRegularExpression>

CVelaCPSDoc::CVelaCPSDoc(const CProductContext &context, int untitledNumber, QObject *parent)
    : QObject(parent)
    , m_profile(std::make_unique<CProfileDocument>(context.versionRules()))
    , m_untitledNumber(untitledNumber)
{
    connect(m_profile.get(), &CProfileDocument::modifiedChanged, this, &CVelaCPSDoc::titleChanged);
}

CVelaCPSDoc::~CVelaCPSDoc() = default;

bool CVelaCPSDoc::OnNewDocument(const QString &templatePath)
{
    return m_profile->NewFromTemplate(templatePath);
}

bool CVelaCPSDoc::OnNewDocumentFromImage(VirtualCP &image)
{
    return m_profile->NewFromImage(image);
}

bool CVelaCPSDoc::OnOpenDocument(const QString &path)
{
    return m_profile->Open(path);
}

QString CVelaCPSDoc::path() const
{
    return m_profile->path();
}

QString CVelaCPSDoc::title() const
{
    if (!path().isEmpty())
        return QFileInfo(path()).fileName();
    return AppIdentity::newDocumentBaseName() + QString::number(m_untitledNumber);
}

bool CVelaCPSDoc::isModified() const
{
    return m_profile->isModified();
}

bool CVelaCPSDoc::commitPendingInput()
{
    return !m_commitPendingInput || m_commitPendingInput();
}

QString CVelaCPSDoc::suggestedSaveName() const
{
    if (!path().isEmpty())
        return path();
    const QString name = title().section(QRegularExpression(QStringLiteral("[:/\\\\]")), 0, 0);
    return name + QLatin1Char('.') + QLatin1String(AppIdentity::kProfileExtension);
}

bool CVelaCPSDoc::DoSave(const QString &path)
{
    if (!commitPendingInput())
        return false;
    if (!ModelRules::CheckChannelFrequencyRange(m_profile->root())) {
        showMessage(ModelRules::text(ModelRules::kRangeMessage), MsgStyle::IconWarning);
        return false;
    }
    QString target = path;
    if (target.isEmpty()) {
        target = m_chooseSavePath ? m_chooseSavePath(suggestedSaveName()) : QString();
        if (target.isEmpty())
            return false;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool saved = m_profile->Save(target);
    QApplication::restoreOverrideCursor();
    if (!saved)
        return false;
    emit pathChanged(target);
    emit titleChanged();
    return true;
}

bool CVelaCPSDoc::SaveModified()
{
    if (!isModified())
        return true;
    const int answer
        = showMessage(tr("Save changes to %1?").arg(title()), MsgStyle::YesNoCancel | MsgStyle::IconWarning);
    if (answer == MsgAnswer::Cancel)
        return false;
    return answer == MsgAnswer::No || DoSave(path());
}
