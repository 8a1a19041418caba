#include "ChannelTableModel.h"

#include "FrequencyListText.h"

#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/StringTable.h"
#include "base/VelaException.h"
#include "document/ChannelCommands.h"
#include "document/ChannelCsv.h"
#include "document/CodeDisplayText.h"
#include "document/EditGroup.h"
#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr const char *kTitles[] = { QT_TRANSLATE_NOOP("Editors", "No."), QT_TRANSLATE_NOOP("Editors", "Name"),
    QT_TRANSLATE_NOOP("Editors", "Receive"), QT_TRANSLATE_NOOP("Editors", "Transmit"),
    QT_TRANSLATE_NOOP("Editors", "Bandwidth (KHz)"), QT_TRANSLATE_NOOP("Editors", "Power"),
    QT_TRANSLATE_NOOP("Editors", "Receive PL/DPL"), QT_TRANSLATE_NOOP("Editors", "Transmit PL/DPL"),
    QT_TRANSLATE_NOOP("Editors", "Scramble"), QT_TRANSLATE_NOOP("Editors", "Auto Scan"),
    QT_TRANSLATE_NOOP("Editors", "Scan List"), QT_TRANSLATE_NOOP("Editors", "Disable Channel") };

// The attribute of each column (Power: see attributeOf).
constexpr const char *kAttributes[] = { nullptr, "name", "rx_freq_ndx", "tx_freq_ndx", "rx_bw",
    "talkaround_power", "rx_code", "tx_code", "scramble_code", "autoScan", "in_scanlist", "disable_channel" };

QString translated(const char *text)
{
    return QCoreApplication::translate("Editors", text);
}

} // namespace

CChannelTableModel::CChannelTableModel(const EditorContext &context, QObject *parent)
    : QAbstractTableModel(parent)
    , m_context(context)
    , m_choices(ColumnCount)
    , m_shown(ColumnCount, true)
{
    connect(&context.document, &CProfileDocument::changed, this, &CChannelTableModel::profileChanged);
    reload();
}

// A change that keeps the number of channels refreshes the cells, so that
// the current cell and the selection stay where they were.
void CChannelTableModel::profileChanged(const ProfileChange &)
{
    if (channelsInUse() != m_rows) {
        beginResetModel();
        reload();
        endResetModel();
        return;
    }
    reload();
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

int CChannelTableModel::channelsInUse() const
{
    try {
        return ChannelCsv::ProfileView(m_context.document.root(), 0).channelCount();
    } catch (const CVelaCPSException &) {
        return 0;
    }
}

void CChannelTableModel::reload()
{
    try {
        const CDataItem &root = m_context.document.root();
        const ChannelCsv::ProfileView profile(root, m_context.document.powerClass());
        CDataItem limit;
        root.GetChildByName(QStringLiteral("limit"), limit);
        auto flag = [&limit](const char *name) {
            return limit.GetAttributeValue(QLatin1String(name)).toString() == QLatin1String("1")
                || limit.GetAttributeValue(QLatin1String(name)).toBool();
        };
        m_rows = profile.channelCount();
        m_shown.assign(ColumnCount, true);
        m_shown[TransmitFrequency] = m_shown[TransmitCode] = profile.hasRepeater();
        m_shown[Power] = profile.powerControl();
        m_shown[Scramble] = !flag("disable_scramble_feature");
        m_shown[AutoScan] = !flag("disable_scan_mode");
        m_shown[Disabled] = flag("disable_channel_enable");

        const QString separator = CConfigStore::decimalSeparator(m_context.product.language());
        const std::vector<FrequencyChoice> table = frequencyChoices(root, m_context.document.powerClass());
        ComboItems frequencies;
        for (size_t i = 0; i < table.size(); ++i) {
            if (table[i].listed)
                frequencies.push_back(
                    { FrequencyListText(int(i),
                          ChannelCsv::MegahertzText(quint32(table[i].hertz)).replace('.', separator),
                          table[i].twoWatt),
                        int(i) });
        }
        m_choices[ReceiveFrequency] = m_choices[TransmitFrequency] = frequencies;
        m_choices[Bandwidth] = { { QStringLiteral("12.5"), 0 }, { QStringLiteral("25"), 1 } };
        m_choices[Power] = { { translated("Low"), 0 }, { translated("High"), 1 } };
        const CCodeDisplayText codes(profile.setting(), separator);
        ComboItems codeItems;
        for (int code = 0; code <= profile.maxCodes(); ++code)
            codeItems.push_back({ codes.listText(code), code });
        m_choices[ReceiveCode] = m_choices[TransmitCode] = codeItems;
        m_choices[Scramble] = { { translated("OFF"), 0 }, { translated("Scramble Code 1"), 1 },
            { translated("Scramble Code 2"), 2 }, { translated("Scramble Code 3"), 3 } };
        m_texts.assign(ColumnCount, {});
        for (int column = 0; column < ColumnCount; ++column) {
            for (const ComboItem &item : m_choices[size_t(column)])
                m_texts[size_t(column)].insert(item.value, item.text);
        }
        readCells();
    } catch (const CVelaCPSException &error) {
        m_rows = 0;
        m_cells.clear();
        showMessage(error.text(), MsgStyle::IconError);
    }
}

CDataItem CChannelTableModel::channel(int row) const
{
    CDataItem channels, result;
    m_context.document.root().GetChildByName(QStringLiteral("channels"), channels);
    return channels.GetChildByIndex(row, result);
}

const char *CChannelTableModel::attributeOf(int row, int column) const
{
    if (column == Power
        && channel(row).GetAttributeValue(QStringLiteral("repeater")).toString() == QLatin1String("1"))
        return "repeater_power";
    return kAttributes[column];
}

int CChannelTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CChannelTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool CChannelTableModel::columnShown(int column) const
{
    return m_shown[size_t(column)];
}

QString CChannelTableModel::columnTitle(int column) const
{
    return translated(kTitles[column]);
}

QVariant CChannelTableModel::value(int row, int column) const
{
    return m_cells[size_t(row * ColumnCount + column)];
}

// The cells are read once per change of the profile; painting reads them
// many times.
void CChannelTableModel::readCells()
{
    m_cells.assign(size_t(m_rows * ColumnCount), {});
    for (int row = 0; row < m_rows; ++row) {
        const CDataItem item = channel(row);
        m_cells[size_t(row * ColumnCount)] = row + 1;
        for (int column = Name; column < ColumnCount; ++column) {
            const QVariant stored = item.GetAttributeValue(QLatin1String(attributeOf(row, column)));
            m_cells[size_t(row * ColumnCount + column)]
                = column == Name ? QVariant(stored.toString()) : QVariant(stored.toInt());
        }
    }
}

QVariant CChannelTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    try {
        const int column = index.column();
        if (isFlag(column) && role == Qt::CheckStateRole)
            return value(index.row(), column).toInt() != 0 ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::EditRole || (role == Qt::DisplayRole && (column == Number || column == Name)))
            return value(index.row(), column);
        if (role != Qt::DisplayRole || isFlag(column))
            return {};
        const int stored = value(index.row(), column).toInt();
        return m_texts[size_t(column)].value(stored, QString::number(stored));
    } catch (const CVelaCPSException &) {
        return {};
    }
}

QVariant CChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return columnTitle(section);
    return {};
}

Qt::ItemFlags CChannelTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == Number)
        return flags;
    return flags | (isFlag(index.column()) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool CChannelTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    QVariant written = value;
    if (role == Qt::CheckStateRole)
        written = value.toInt() == Qt::Checked ? 1 : 0;
    else if (role != Qt::EditRole)
        return false;
    return write(
        { { index.row(), index.column(), written } }, tr("Change %1").arg(columnTitle(index.column())));
}

bool CChannelTableModel::write(const QList<CellWrite> &cells, const QString &undoText)
{
    m_refusal.clear();
    m_notices.clear();
    bool accepted = false;
    try {
        accepted = EditAllOrNothing(m_context.document, undoText, [&] {
            return std::all_of(cells.begin(), cells.end(),
                [this](const CellWrite &cell) { return writeCell(cell.row, cell.column, cell.value); });
        });
    } catch (const CVelaCPSException &error) {
        m_refusal = error.text();
    }
    if (!m_refusal.isEmpty())
        showMessage(m_refusal, MsgStyle::IconWarning);
    else if (accepted)
        for (const QString &notice : m_notices)
            showMessage(notice, MsgStyle::IconInformation);
    return accepted;
}

// Through the channel editor's commands, with its rules and questions.
bool CChannelTableModel::writeCell(int row, int column, const QVariant &value)
{
    using Side = CChannelCommands::Side;
    CChannelCommands commands(m_context.document, row, [](const CommandQuestion &question) {
        return showMessage(question.text, question.style) == MsgAnswer::Yes;
    });
    const CommandVerdict verdict = column == ReceiveFrequency
        ? commands.chooseFrequency(Side::Receive, value.toInt())
        : column == TransmitFrequency ? commands.chooseFrequency(Side::Transmit, value.toInt())
        : column == Disabled
        ? commands.setDisabled(value.toBool())
        : commands.setAttribute(QLatin1String(attributeOf(row, column)), value, QString());
    m_notices << verdict.notices;
    if (verdict.accepted() || verdict.kind == CommandVerdict::Declined)
        return verdict.accepted();
    m_refusal = tr("Channel %1 (%2): %3")
                    .arg(row + 1)
                    .arg(channel(row).GetAttributeValue(QStringLiteral("name")).toString(),
                        verdict.message.isEmpty() ? QCoreApplication::translate("CBaseView", "Invalid Value.")
                                                  : verdict.message);
    return false;
}
