#include "ChannelCsvImport.h"

#include "ChannelCommands.h"
#include "EditGroup.h"
#include "ProfileDocument.h"
#include "base/StringTable.h"
#include "base/VelaException.h"
#include "codeplug/FrequencyRules.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <optional>

namespace {

using namespace ChannelCsv;
using PlCodeValues::Signal;
using Note = ChannelImportNote;

constexpr int kInvalidValue = 3000; // the hooks' "Invalid Value." message

QString translated(const char *text)
{
    return QCoreApplication::translate("ChannelCsv", text);
}

QString signalText(const Signal &signal)
{
    if (signal.kind == Signal::Tone)
        return ToneText(signal.value) + QStringLiteral(" Hz");
    return QStringLiteral("DPL ") + DcsText(signal.value)
        + (signal.inverted ? QStringLiteral(" R") : QString());
}

QString noRoom(int location)
{
    return translated(QT_TRANSLATE_NOOP("ChannelCsv",
                          "Location %1: the model has no room for more channels; the row is not imported."))
        .arg(location);
}

// One row taken into the profile through the channel commands.
class RowImport {
public:
    RowImport(CProfileDocument &document, ProfileView &profile, const Row &row, QList<Note> &notes)
        : m_document(document)
        , m_profile(profile)
        , m_row(row)
        , m_notes(notes)
    {
    }

    // False when the row is not taken (noted); the caller then puts the
    // profile back.
    bool run();

private:
    void note(Note::Kind kind, const QString &text) { m_notes << Note { m_row.line, kind, text }; }
    bool refuse(const QString &why)
    {
        note(Note::Refused, why);
        return false;
    }
    bool taken(const CommandVerdict &verdict)
    {
        for (const QString &notice : verdict.notices)
            note(Note::Adapted, notice);
        return verdict.accepted()
            || refuse(verdict.message.isEmpty() ? StringTable::text(kInvalidValue) : verdict.message);
    }
    int stored(const char *attribute) const
    {
        return m_profile.channel(m_index).GetAttributeValue(QLatin1String(attribute)).toInt();
    }
    // The channel's commands and the frequency table's rules, taken again
    // once the table has grown.
    CChannelCommands &commands()
    {
        if (!m_commands)
            m_commands.emplace(m_document, m_index);
        return *m_commands;
    }
    bool set(const char *attribute, const QVariant &value)
    {
        return taken(commands().setAttribute(QLatin1String(attribute), value, CChannelCsvImport::undoText()));
    }
    bool takeChannel();
    bool tableRow(quint32 hz, int &index);
    bool chooseFrequencies(bool duplex, quint32 transmitHz);
    bool setRuled(const char *attribute, int wanted, bool given, int tableIndex, bool power);
    int codeFor(const Signal &signal, int storedCode);
    void noteChanges(const Entry &before);

    CProfileDocument &m_document;
    ProfileView &m_profile;
    const Row &m_row;
    QList<Note> &m_notes;
    int m_index = -1;
    bool m_added = false;
    std::optional<CChannelCommands> m_commands;
};

bool RowImport::takeChannel()
{
    if (m_row.location <= m_profile.channelCount()) {
        m_index = m_row.location - 1;
        return true;
    }
    CDataItem channels;
    m_document.root().GetChildByName(QStringLiteral("channels"), channels);
    if (!channels.CanAddChild()) {
        note(Note::Lost, noRoom(m_row.location));
        return false;
    }
    const AddedChild added = m_document.addChild(channels, CChannelCsvImport::undoText());
    if (!added.verdict.accepted())
        return refuse(StringTable::text(added.verdict.msgId ? added.verdict.msgId : kInvalidValue));
    m_profile.reload();
    m_index = added.item.GetIndexInParent();
    m_added = true;
    if (m_index + 1 != m_row.location)
        note(Note::Adapted,
            translated(QT_TRANSLATE_NOOP("ChannelCsv", "Location %1 becomes channel %2."))
                .arg(m_row.location)
                .arg(m_index + 1));
    return true;
}

// The table row of hz, added to the table when it is not there.
bool RowImport::tableRow(quint32 hz, int &index)
{
    index = m_profile.frequencyIndex(hz);
    if (index >= 0)
        return true;
    if (FrequencyRules::IsMURSFrequency(hz))
        return refuse(MegahertzText(hz) + QStringLiteral(" MHz: ")
            + QCoreApplication::translate("ProfileFileCheck", "Invalid Frequency."));
    // The channel keeps its choice: bandwidth and power selectable, the
    // row's values first; the compander follows the bandwidth.
    const bool wide = m_row.wide.value_or(false);
    const int level = m_row.watts ? m_profile.levelOf(*m_row.watts) : 1;
    FrequencyRow row { -1, hz, wide ? 3u : 2u, level ? 3u : 2u, wide ? 3u : 2u };
    if (m_profile.powerClass() == 4 && FrequencyRules::IsTwoWattFrequency(hz)) {
        row.powerLevel = 0;
        note(Note::Adapted,
            translated(QT_TRANSLATE_NOOP(
                           "ChannelCsv", "%1 MHz allows 2 W at most: it is added with low power only."))
                .arg(MegahertzText(hz)));
    }
    CDataItem table = m_profile.frequencyTable();
    HookVerdict verdict = m_document.addFrequency(table, row, CChannelCsvImport::undoText());
    if (!verdict.accepted() && row.bandwidth != 0) {
        // A region bound to 12.5 kHz channels takes the frequency narrow.
        row.bandwidth = 0;
        row.compander = 2;
        if (m_document.addFrequency(table, row, CChannelCsvImport::undoText()).accepted()) {
            verdict = {};
            note(Note::Adapted,
                translated(QT_TRANSLATE_NOOP("ChannelCsv",
                               "%1 MHz is added as 12.5 kHz only: the model allows no wider channels."))
                    .arg(MegahertzText(hz)));
        }
    }
    if (!verdict.accepted())
        return refuse(MegahertzText(hz) + QStringLiteral(" MHz: ") + StringTable::text(verdict.msgId));
    m_profile.reload();
    m_commands.reset();
    index = m_profile.frequencyIndex(hz);
    note(Note::Added,
        translated(QT_TRANSLATE_NOOP("ChannelCsv", "%1 MHz is added to the RF frequency table as entry %2."))
            .arg(MegahertzText(hz))
            .arg(index + 1));
    return true;
}

bool RowImport::chooseFrequencies(bool duplex, quint32 transmitHz)
{
    int receive = -1, transmit = -1;
    if (!tableRow(m_row.receiveHz, receive) || (duplex && !tableRow(transmitHz, transmit)))
        return false;
    using Side = CChannelCommands::Side;
    if (!taken(commands().chooseFrequency(Side::Receive, receive)))
        return false;
    if (!m_profile.hasRepeater())
        return true;
    if (!taken(commands().setRepeater(duplex)))
        return false;
    return !duplex || taken(commands().chooseFrequency(Side::Transmit, transmit));
}

// A bandwidth or power value: the row's, unless the frequency fixes it.
bool RowImport::setRuled(const char *attribute, int wanted, bool given, int tableIndex, bool power)
{
    if (wanted == stored(attribute))
        return true;
    const std::vector<FrequencyChoice> &choices = commands().choices();
    const FrequencyChoice *choice
        = tableIndex >= 0 && size_t(tableIndex) < choices.size() ? &choices[size_t(tableIndex)] : nullptr;
    const int rule = choice ? (power ? choice->powerRule : choice->bandwidthRule) : -1;
    if (!frequencyRuleIsFixed(rule))
        return set(attribute, wanted);
    if (given)
        note(Note::Adapted,
            translated(QT_TRANSLATE_NOOP("ChannelCsv", "%1: the frequency allows only %2."))
                .arg(power ? QStringLiteral("Power") : QStringLiteral("Mode"),
                    power ? WattsText(m_profile.watts(rule))
                          : (rule ? QStringLiteral("FM") : QStringLiteral("NFM"))));
    return true;
}

// The channel's own code when it sends the same, else a standard code, else
// a customised code of that value; 0 when the radio cannot send it.
int RowImport::codeFor(const Signal &signal, int storedCode)
{
    if (PlCodeValues::SignalOf(storedCode, m_profile.setting()) == signal
        && storedCode <= m_profile.maxCodes())
        return storedCode;
    for (const auto &code :
        { PlCodeValues::StandardCode(signal), PlCodeValues::CustomCode(signal, m_profile.setting()) }) {
        if (code && *code <= m_profile.maxCodes())
            return *code;
    }
    note(Note::Lost,
        translated(QT_TRANSLATE_NOOP("ChannelCsv", "This radio cannot use %1: the channel gets no code."))
            .arg(signalText(signal)));
    return 0;
}

void RowImport::noteChanges(const Entry &before)
{
    const Entry after = m_profile.entryOf(m_index);
    QStringList changed;
    const std::pair<const char *, bool> columns[]
        = { { "Name", before.name != after.name }, { "Frequency", before.receiveHz != after.receiveHz },
              { "Duplex", before.duplex != after.duplex || before.transmitHz != after.transmitHz },
              { "Tone", !(before.transmit == after.transmit) || !(before.receive == after.receive) },
              { "Mode", before.wide != after.wide }, { "Power", before.power != after.power },
              { "Skip", before.skip != after.skip } };
    for (const auto &[column, differs] : columns) {
        if (differs)
            changed << QLatin1String(column);
    }
    if (m_added)
        note(Note::Added,
            translated(QT_TRANSLATE_NOOP("ChannelCsv", "Channel %1 is added.")).arg(m_index + 1));
    else if (changed.isEmpty())
        note(Note::Unchanged,
            translated(QT_TRANSLATE_NOOP("ChannelCsv", "Channel %1 is unchanged.")).arg(m_index + 1));
    else
        note(Note::Changed,
            translated(QT_TRANSLATE_NOOP("ChannelCsv", "Channel %1 changes: %2."))
                .arg(m_index + 1)
                .arg(changed.join(QStringLiteral(", "))));
}

bool RowImport::run()
{
    if (!takeChannel())
        return false;
    const Entry before = m_profile.entryOf(m_index);
    if (m_row.name && !m_row.name->isEmpty() && *m_row.name != before.name) {
        const QString name = m_row.name->left(8);
        if (name != *m_row.name)
            note(Note::Adapted,
                translated(QT_TRANSLATE_NOOP("ChannelCsv", "The name \"%1\" is cut to \"%2\"."))
                    .arg(*m_row.name, name));
        if (!set("name", name))
            return false;
    }
    bool duplex = m_row.duplex.value_or(before.duplex);
    if (duplex && !m_profile.hasRepeater()) {
        note(Note::Lost,
            translated(QT_TRANSLATE_NOOP("ChannelCsv",
                "This model has no repeater: the channel transmits on its receive frequency.")));
        duplex = false;
    }
    if (!chooseFrequencies(duplex, m_row.duplex ? m_row.transmitHz : before.transmitHz))
        return false;
    const int receiveRow = stored("rx_freq_ndx");
    const int transmitRow = duplex ? stored("tx_freq_ndx") : receiveRow;
    const int wide = m_row.wide.value_or(before.wide) ? 1 : 0;
    if (!setRuled("rx_bw", wide, m_row.wide.has_value(), receiveRow, false)
        || (duplex && !setRuled("tx_bw", wide, m_row.wide.has_value(), transmitRow, false)))
        return false;
    if (m_row.watts && !m_profile.powerControl()) {
        if (m_profile.levelOf(*m_row.watts) != before.power)
            note(Note::Lost,
                translated(QT_TRANSLATE_NOOP(
                    "ChannelCsv", "This model has no power choice: the power is not changed.")));
    } else if (m_row.watts) {
        const int level = m_profile.levelOf(*m_row.watts);
        if (std::abs(m_profile.watts(level) - *m_row.watts) > 0.05)
            note(Note::Adapted,
                translated(QT_TRANSLATE_NOOP("ChannelCsv", "Power %1 becomes %2."))
                    .arg(WattsText(*m_row.watts), WattsText(m_profile.watts(level))));
        if (!setRuled(duplex ? "repeater_power" : "talkaround_power", level, true, transmitRow, true))
            return false;
    }
    if (m_row.tones) {
        Tones tones = *m_row.tones;
        if (!m_profile.hasRepeater() && !(tones.transmit == tones.receive)) {
            note(Note::Lost,
                translated(QT_TRANSLATE_NOOP(
                               "ChannelCsv", "This model transmits with its receive code: %1 is not sent."))
                    .arg(tones.transmit.kind == Signal::None
                            ? translated(QT_TRANSLATE_NOOP("ChannelCsv", "no code"))
                            : signalText(tones.transmit)));
            tones.transmit = tones.receive;
        }
        const int receiveCode = codeFor(tones.receive, stored("rx_code"));
        if (receiveCode != stored("rx_code") && !set("rx_code", receiveCode))
            return false;
        const int transmitCode = codeFor(tones.transmit, stored("tx_code"));
        if (transmitCode != stored("tx_code") && !set("tx_code", transmitCode))
            return false;
    }
    const int member = m_row.skip.value_or(before.skip) ? 0 : 1;
    if (m_row.skip && member != stored("in_scanlist") && !set("in_scanlist", member))
        return false;
    noteChanges(before);
    return true;
}

} // namespace

QString ChannelImportReport::text() const
{
    if (!formatError.isEmpty())
        return formatError;
    QStringList lines;
    for (const ChannelImportNote &note : notes)
        lines << translated(QT_TRANSLATE_NOOP("ChannelCsv", "Line %1: %2")).arg(note.line).arg(note.text);
    return lines.join(QLatin1Char('\n'));
}

CChannelCsvImport::CChannelCsvImport(const QByteArray &bytes)
    : m_rows(ReadRows(bytes))
{
}

QString CChannelCsvImport::undoText()
{
    return translated(QT_TRANSLATE_NOOP("ChannelCsv", "Import Channels"));
}

ChannelImportReport CChannelCsvImport::preview(CProfileDocument &document) const
{
    return run(document, false, false);
}

ChannelImportReport CChannelCsvImport::apply(CProfileDocument &document, bool partial) const
{
    return run(document, true, partial);
}

ChannelImportReport CChannelCsvImport::run(CProfileDocument &document, bool keep, bool partial) const
{
    ChannelImportReport report;
    report.formatError = m_rows.formatError;
    if (!report.formatError.isEmpty())
        return report;
    QList<const Row *> rows;
    QHash<int, int> lineOfLocation;
    for (const Row &row : m_rows.rows) {
        if (!row.error.isEmpty()) {
            report.notes << Note { row.line, Note::Refused, row.error };
        } else if (lineOfLocation.contains(row.location)) {
            report.notes << Note { row.line, Note::Refused,
                translated(QT_TRANSLATE_NOOP("ChannelCsv", "Location %1 is already on line %2."))
                    .arg(row.location)
                    .arg(lineOfLocation[row.location]) };
        } else {
            lineOfLocation.insert(row.location, row.line);
            rows << &row;
            continue;
        }
        ++report.refusedRows;
    }
    std::stable_sort(
        rows.begin(), rows.end(), [](const Row *a, const Row *b) { return a->location < b->location; });
    report.kept = EditAllOrNothing(document, undoText(), [&] {
        ProfileView profile(document.root(), document.powerClass());
        bool full = false; // no room for another channel
        for (const Row *row : rows) {
            QList<Note> notes;
            bool refused = false;
            if (full && row->location > profile.channelCount()) {
                report.notes << Note { row->line, Note::Lost, noRoom(row->location) };
                continue;
            }
            const bool taken = EditAllOrNothing(document, QString(), [&] {
                try {
                    const bool imported = RowImport(document, profile, *row, notes).run();
                    refused = !imported && !notes.isEmpty() && notes.last().kind == Note::Refused;
                    return imported;
                } catch (const CVelaCPSException &error) {
                    notes << Note { row->line, Note::Refused, error.text() };
                    refused = true;
                    return false;
                }
            });
            full = full || (!taken && !refused);
            // A row put back replaced the profile's items.
            if (!taken)
                profile.reload();
            report.notes << notes;
            report.refusedRows += refused ? 1 : 0;
        }
        return keep && (partial || report.refusedRows == 0);
    });
    std::stable_sort(report.notes.begin(), report.notes.end(),
        [](const Note &a, const Note &b) { return a.line < b.line; });
    return report;
}
