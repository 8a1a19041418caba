#include "ProfileDocument.h"

#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/ProfileNamespaces.h"
#include "base/TextFile.h"
#include "base/VelaException.h"
#include "codeplug/DataAdaptor.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

bool attributeIsSet(const CDataItem &item, const QString &name)
{
    const QVariant value = item.GetAttributeValue(name);
    return value.typeId() == QMetaType::Bool ? value.toBool() : value.toString() == QLatin1String("1");
}

bool repeaterFeatureDisabled(CDataItem &root)
{
    CDataItem limit;
    root.GetChildByName(QStringLiteral("limit"), limit);
    return attributeIsSet(limit, QStringLiteral("disable_repeater_feature"));
}

} // namespace

CProfileDocument::CProfileDocument(VersionRuleSource versionRules, QObject *parent)
    : QObject(parent)
    , m_model(std::move(versionRules))
{
    connect(&m_undoStack, &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (m_recording)
            emit modifiedChanged(!clean);
    });
}

CProfileDocument::~CProfileDocument()
{
    // The stack announces its last change while it is destroyed.
    disconnect(&m_undoStack, nullptr, this, nullptr);
}

void CProfileDocument::takePowerClass()
{
    m_powerClass = ModelRules::PowerClass(m_model.rootItem()).digitValue();
}

bool CProfileDocument::NewFromTemplate(const QString &templatePath)
{
    if (!load(templatePath, true))
        return false;
    m_fileText.clear();
    m_path.clear();
    setModified(false);
    return true;
}

bool CProfileDocument::load(const QString &source, bool isFile)
{
    try {
        if (!m_model.LoadProfile(source, isFile))
            return false;
        takePowerClass();
        loaded();
        return true;
    } catch (const CVelaCPSException &exception) {
        showMessage(exception.text(), MsgStyle::IconError);
        return false;
    }
}

void CProfileDocument::loaded()
{
    m_savedLimits = SavedLimitValues {};
    withoutUndo([this] { ModelRules::ApplyChannelCountRule(root(), ruleWriter()); });
    m_loadTimeRulesPassed = !m_loadTimeRulesEnabled || runLoadTimeRules();
    emit changed(ProfileChange {});
}

bool CProfileDocument::NewFromImage(VirtualCP &image)
{
    try {
        m_fileText.clear();
        QString text;
        if (!CDataAdaptor::VirtualCP2XML(image, text))
            return false;
        CDataItem::ProcessChannelName(text);
        m_fileText = text;
    } catch (const CVelaCPSException &exception) {
        showMessage(exception.text(), MsgStyle::IconError);
        return false;
    }
    if (!load(m_fileText, false))
        return false;
    m_path.clear();
    setModified(true); // it has no file yet
    return true;
}

bool CProfileDocument::Open(const QString &path)
{
    QString text;
    if (!ReadTextFile(path, text)) {
        showMessage(QCoreApplication::translate("ProfileDocument", "The file \"%1\" cannot be read.")
                        .arg(QFileInfo(path).fileName()),
            MsgStyle::IconError);
        return false;
    }
    m_fileText = text;
    if (!load(text, false))
        return false;
    m_path = path;
    setModified(false);
    return true;
}

bool CProfileDocument::SetVirtualCPData(VirtualCP &image)
{
    try {
        QString text;
        if (!CDataAdaptor::VirtualCP2XML(image, text))
            return false;
        CDataItem::ProcessChannelName(text);
        m_fileText = text;
        const QString before = m_model.mainDocument().xml();
        if (!m_model.LoadProfile(text, false))
            return false;
        // The limit values kept for the replaced profile are void, and so
        // are its undo steps; the replacement itself is one, and leaves the
        // document modified.
        loaded();
        recordReplacement(before, m_model.mainDocument().xml(),
            QCoreApplication::translate("ProfileDocument", "Read from the radio"));
        return true;
    } catch (CVelaCPSException &exception) {
        exception.passThrough("CProfileDocument::SetVirtualCPData", __LINE__);
        throw;
    }
}

int CProfileDocument::GetVirtualCPData(VirtualCP &image, const RadioIdentity &identity)
{
    try {
        QString text = m_model.mainDocument().xml();
        // The radio transmits with the receive settings then; the open
        // profile stays as it is, so a copy carries them over.
        if (repeaterFeatureDisabled(m_model.rootItem())) {
            XmlDocument copy;
            copy.attachSchemas(m_model.mainDocument().schemas());
            copy.setNamespace(QStringLiteral("dfns"), QString::fromLatin1(vela::kProfileNamespace));
            copy.loadXml(text);
            CDataItem(copy.documentElement(), nullptr).CopyReceiveToTransmit();
            text = copy.xml();
        }
        return CDataAdaptor::XML2VirtualCP(text, image, identity);
    } catch (CVelaCPSException &exception) {
        exception.append("CProfileDocument::GetVirtualCPData", __LINE__, QStringLiteral("Exception Caught"));
        throw;
    }
}

QString CProfileDocument::RecoverXML(const QString &text) const
{
    XmlDocument document;
    document.setNamespace(QStringLiteral("dfns"), QString::fromLatin1(vela::kProfileNamespace));
    if (!document.loadXml(text))
        throw CVelaCPSException(VelaError::InvalidProfile,
            QStringLiteral("Desc: %1").arg(document.parseError().reason), "CProfileDocument::RecoverXML",
            __LINE__, QStringLiteral("parse failed"));
    if (CConfigStore::limitSavingRuleEnabled() && m_savedLimits.saved) {
        XmlNode limit = document.selectSingleNode(QStringLiteral("//dfns:limit"));
        if (!limit.isNull()) {
            auto flagText = [](int saved) { return saved != 0 ? QStringLiteral("1") : QStringLiteral("0"); };
            limit.setAttribute(
                QStringLiteral("disable_channel_enable"), flagText(m_savedLimits.disableChannelEnable));
            limit.setAttribute(
                QStringLiteral("talkaround_scan_enable"), flagText(m_savedLimits.talkaroundScanEnable));
            limit.setAttribute(QStringLiteral("voice_chip_enable"), flagText(m_savedLimits.voiceChipEnable));
            limit.setAttribute(QStringLiteral("maxCodes"), QString::number(m_savedLimits.maxCodes));
        }
    }
    return document.xml();
}

void CProfileDocument::prepareForStore()
{
    CDataItem &root = m_model.rootItem();
    if (repeaterFeatureDisabled(root))
        root.CopyReceiveToTransmit();
    root.StampSubRegion();
    m_model.TakeOffDoc();
}

QByteArray CProfileDocument::StoreToBytes()
{
    prepareForStore();
    return EncodeProfileFile(RecoverXML(m_model.workingDocument().xml()));
}

bool CProfileDocument::Save(const QString &path)
{
    try {
        if (!ModelRules::CheckChannelFrequencyRange(m_model.rootItem())) {
            showMessage(ModelRules::text(ModelRules::kRangeMessage), MsgStyle::IconWarning);
            return false;
        }
        const QByteArray bytes = StoreToBytes();
        QString error;
        if (!WriteTextFile(path, bytes, &error)) {
            showMessage(QCoreApplication::translate("ProfileDocument", "Failed to save \"%1\": %2")
                            .arg(QFileInfo(path).fileName(), error),
                MsgStyle::IconError);
            return false;
        }
    } catch (const CVelaCPSException &exception) {
        showMessage(exception.text(), MsgStyle::IconError);
        return false;
    } catch (const XmlError &error) {
        showMessage(CVelaCPSException(VelaError::SaveFormat,
                        libraryErrorDetail(error.message, error.description, error.source),
                        "CProfileDocument::Save", __LINE__, QString())
                        .text(),
            MsgStyle::IconError);
        return false;
    }
    m_path = path;
    setModified(false);
    return true;
}

bool CProfileDocument::runLoadTimeRules()
{
    try {
        withoutUndo([this] { ModelRules::RunLoadTimeRules(root(), m_savedLimits, ruleWriter()); });
        if (ModelRules::CheckChannelFrequencyRange(m_model.rootItem()))
            return true;
        showMessage(ModelRules::text(ModelRules::kRangeMessage), MsgStyle::IconWarning);
    } catch (const CVelaCPSException &exception) {
        showMessage(exception.text(), MsgStyle::IconError);
    }
    return false;
}
