#include "ChannelListCommands.h"

#include "EditGroup.h"
#include "ProfileDocument.h"

#include "base/MessageReporter.h"
#include "settings/ModelRules.h"

#include <QCoreApplication>

namespace {

const QString kName = QStringLiteral("name");

CDataItem channelsOf(CProfileDocument &document)
{
    CDataItem channels;
    return document.root().GetChildByName(QStringLiteral("channels"), channels);
}

CDataItem channelAt(CProfileDocument &document, int index)
{
    CDataItem channel;
    return channelsOf(document).GetChildByIndex(index, channel);
}

bool isSet(const QVariant &value)
{
    return value.typeId() == QMetaType::Bool ? value.toBool() : value.toInt() != 0;
}

QString treeText(const char *text)
{
    return QCoreApplication::translate("CVelaCPSTreeView", text);
}

} // namespace

CChannelListCommands::CChannelListCommands(CProfileDocument &document, CommandAsker ask)
    : m_document(document)
    , m_ask(std::move(ask))
{
}

bool CChannelListCommands::canAddChannel() const
{
    return channelsOf(m_document).CanAddChild();
}

CommandVerdict CChannelListCommands::addChannel(int *added)
{
    CDataItem channels = channelsOf(m_document);
    if (!channels.CanAddChild())
        return CommandVerdict::refused({}, 0);
    const AddedChild child
        = m_document.addChild(channels, treeText(QT_TRANSLATE_NOOP("CVelaCPSTreeView", "Add Channel")));
    if (!child.verdict.accepted() || child.item.isEmpty())
        return hookRefusal(child.verdict);
    if (added) {
        CDataItem setting;
        m_document.root().GetChildByName(QStringLiteral("setting"), setting);
        *added = setting.GetAttributeValue(QStringLiteral("numberChannels")).toInt() - 1;
    }
    return {};
}

CommandVerdict CChannelListCommands::deleteChannel(int index)
{
    CDataItem channels = channelsOf(m_document);
    const CDataItem channel = channelAt(m_document, index);
    const bool disabled = isSet(channel.GetAttributeValue(QStringLiteral("disable_channel")));
    if ((ModelRules::GetEnabledChannelCount(m_document.root()) <= 1 && !disabled)
        || !channel.CanDeleteChild())
        return CommandVerdict::refused(
            treeText(QT_TRANSLATE_NOOP("CVelaCPSTreeView", "The last valid channel can not be deleted.")),
            MsgStyle::IconWarning);
    const QString undoText = treeText(QT_TRANSLATE_NOOP("CVelaCPSTreeView", "Delete Channel"));
    HookVerdict verdict = m_document.removeChild(channels, index, undoText);
    if (verdict.needsConfirmation()) {
        const CommandQuestion question {
            treeText(QT_TRANSLATE_NOOP("CVelaCPSTreeView",
                "This channel is assigned to a Preset Channel button. Deleting "
                "this channel shall cause the value change of the Preset Channel "
                "button. Do you want to continue?")),
            unsigned(verdict.style)
        };
        if (!answersYes(m_ask, question))
            return CommandVerdict::declined(question);
        verdict = m_document.removeChild(channels, index, undoText, MsgAnswer::Yes);
    }
    // The hook shows nothing for its other refusals.
    return verdict.accepted() ? CommandVerdict {} : CommandVerdict::refused({}, 0);
}

CommandVerdict CChannelListCommands::renameChannel(int index, const QString &name, const QString &undoText)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return CommandVerdict::refused({}, 0);
    CDataItem channel = channelAt(m_document, index);
    if (channel.GetAttributeValue(kName).toString() == trimmed)
        return {};
    const HookVerdict verdict = m_document.setAttribute(channel, kName, trimmed,
        undoText.isEmpty() ? treeText(QT_TRANSLATE_NOOP("CVelaCPSTreeView", "Rename Channel")) : undoText);
    return verdict.accepted() ? CommandVerdict {} : hookRefusal(verdict);
}

CommandVerdict CChannelListCommands::setScanListMembers(const QList<int> &channels, bool member)
{
    const QString undoText = member ? QCoreApplication::translate("CScanView", "Add to the scan list")
                                    : QCoreApplication::translate("CScanView", "Remove from the scan list");
    const QString inScanList = QStringLiteral("in_scanlist");
    const CEditGroup group(m_document, undoText);
    for (int index : channels) {
        CDataItem channel = channelAt(m_document, index);
        if (channel.isEmpty() || isSet(channel.GetAttributeValue(QStringLiteral("disable_channel")))
            || isSet(channel.GetAttributeValue(inScanList)) == member)
            continue;
        if (!m_document.setAttribute(channel, inScanList, member ? 1 : 0, undoText).accepted())
            return CommandVerdict::refused(
                QCoreApplication::translate("CBaseView", "Invalid Value."), MsgStyle::IconWarning);
    }
    return {};
}
