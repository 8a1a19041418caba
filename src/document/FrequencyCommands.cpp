#include "FrequencyCommands.h"

#include "EditGroup.h"
#include "ProfileDocument.h"

#include "base/MessageReporter.h"
#include "base/StringTable.h"
#include "codeplug/FrequencyRules.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int kTwoWattPowerClass = 4;

QString viewText(const char *text)
{
    return QCoreApplication::translate("CFrequencyView", text);
}

} // namespace

CFrequencyCommands::CFrequencyCommands(CProfileDocument &document, CommandAsker ask)
    : m_document(document)
    , m_ask(std::move(ask))
{
}

CDataItem CFrequencyCommands::frequencies() const
{
    CDataItem result;
    return m_document.root().GetChildByName(QStringLiteral("frequencies"), result);
}

std::optional<CommandVerdict> CFrequencyCommands::checkRow(FrequencyRow &row) const
{
    if (FrequencyRules::IsMURSFrequency(row.frequency))
        return CommandVerdict::refused(
            viewText(QT_TRANSLATE_NOOP("CFrequencyView", "Invalid Frequency.")), MsgStyle::IconWarning);
    if (m_document.powerClass() == kTwoWattPowerClass && FrequencyRules::IsTwoWattFrequency(row.frequency)
        && row.powerLevel != 0) {
        const CommandQuestion question { viewText(QT_TRANSLATE_NOOP("CFrequencyView",
                                             "The frequency is authorized for 2W maximum transmit power.  "
                                             "CPS shall convert to low power mode.")),
            MsgStyle::OkCancel | MsgStyle::IconInformation };
        if (!answersYes(m_ask, question))
            return CommandVerdict::declined(question);
        row.powerLevel = 0;
    }
    return std::nullopt;
}

CommandVerdict CFrequencyCommands::addFrequency(FrequencyRow &row)
{
    if (const auto verdict = checkRow(row))
        return *verdict;
    CDataItem table = frequencies();
    const HookVerdict verdict
        = m_document.addFrequency(table, row, viewText(QT_TRANSLATE_NOOP("CFrequencyView", "Add Frequency")));
    // Every refusal of a new row has its message.
    return verdict.accepted()
        ? CommandVerdict {}
        : CommandVerdict::refused(StringTable::text(verdict.msgId), unsigned(verdict.style));
}

CommandVerdict CFrequencyCommands::changeFrequency(FrequencyRow &row)
{
    if (const auto verdict = checkRow(row))
        return *verdict;
    const QString undoText = viewText(QT_TRANSLATE_NOOP("CFrequencyView", "Change Frequency"));
    const CEditGroup group(m_document, undoText);
    CDataItem table = frequencies();
    HookVerdict verdict = m_document.setFrequency(table, row, undoText);
    if (verdict.needsConfirmation() && verdict.msgId != 0) {
        // The hook asks whether the channels on the row may change with it.
        const CommandQuestion question { StringTable::text(verdict.msgId), unsigned(verdict.style) };
        if (!answersYes(m_ask, question))
            return CommandVerdict::declined(question);
        verdict = m_document.setFrequency(table, row, undoText, MsgAnswer::Yes);
    }
    return verdict.accepted() ? CommandVerdict {} : hookRefusal(verdict);
}

CommandVerdict CFrequencyCommands::deleteFrequencies(const QList<int> &rows, int *firstRemoved)
{
    if (firstRemoved)
        *firstRemoved = -1;
    QList<int> deletable;
    for (int row : rows) {
        if (frequencies().CanDeleteFrequency(unsigned(row)))
            deletable << row;
    }
    std::sort(deletable.begin(), deletable.end());
    const QString used = viewText(
        QT_TRANSLATE_NOOP("CFrequencyView", "Frequency (Frequencies) used by channel can not be deleted."));
    if (deletable.isEmpty())
        return rows.isEmpty() ? CommandVerdict {} : CommandVerdict::refused(used, MsgStyle::IconWarning);
    const CommandQuestion question { viewText(QT_TRANSLATE_NOOP(
                                         "CFrequencyView", "Do you want to delete the selected item(s)?")),
        MsgStyle::YesNo | MsgStyle::IconQuestion };
    if (!answersYes(m_ask, question))
        return CommandVerdict::declined(question);
    CommandVerdict verdict;
    if (deletable.size() < rows.size())
        verdict.warnings << used;
    const QString undoText = viewText(QT_TRANSLATE_NOOP("CFrequencyView", "Delete Frequency"));
    const CEditGroup group(m_document, undoText);
    // From the last row up, so the rows still to go keep their index.
    for (auto row = deletable.crbegin(); row != deletable.crend(); ++row) {
        CDataItem table = frequencies();
        const HookVerdict removed = m_document.removeChild(table, *row, undoText);
        if (removed.status == 1)
            verdict.warnings << StringTable::text(removed.msgId);
    }
    if (firstRemoved)
        *firstRemoved = deletable.front();
    return verdict;
}
