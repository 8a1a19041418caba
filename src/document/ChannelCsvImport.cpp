#include "ChannelCsvImport.h"

#include "ProfileDocument.h"
#include "base/StringTable.h"
#include "base/VelaException.h"
#include "codeplug/FrequencyRules.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

using namespace ChannelCsv;
using PlCodeValues::Signal;
using Note = ChannelImportNote;

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

// A bandwidth or power rule of the RF frequency table that leaves the
// channel no choice: rules 0 and 1 fix 12.5 kHz / low and 25 kHz / high.
int fixedRule(int rule)
{
    return rule == 0 || rule == 1 ? rule : -1;
}

// One row taken into the profile.
class RowImport {
public:
    RowImport(CProfileDocument &document, ProfileView &profile, const Row &row, QList<Note> &notes)
        : m_document(document)
        , m_profile(profile)
        , m_row(row)
        , m_notes(notes)
    {
    }

    // False when the profile's rules refuse the row (noted); the caller
    // then puts the profile back.
    bool run();

private:
    struct Side {
        int index = -1; // table row
        bool moved = false; // another frequency than the channel had
    };

    void note(Note::Kind kind, const QString &text) { m_notes << Note { m_row.line, kind, text }; }
    bool refuse(const QString &why)
    {
        note(Note::Refused, why);
        return false;
    }
    int stored(const char *attribute) const
    {
        return m_channel.GetAttributeValue(QLatin1String(attribute)).toInt();
    }
    bool write(const char *attribute, int value, const char *column);
    bool takeChannel();
    bool frequency(quint32 hz, Side &side, const char *indexAttribute, const char *column);
    int frequencyRule(int tableIndex, const char *rule) const;
    bool writeRuled(const char *attribute, int wanted, bool given, const Side &side, const char *rule,
        const char *column);
    int codeFor(const Signal &signal, int storedCode);

    CProfileDocument &m_document;
    ProfileView &m_profile;
    const Row &m_row;
    QList<Note> &m_notes;
    CDataItem m_channel;
    int m_index = -1;
    bool m_added = false;
    QStringList m_changed; // columns whose values changed
};

bool RowImport::write(const char *attribute, int value, const char *column)
{
    if (stored(attribute) == value)
        return true;
    const HookVerdict verdict
        = m_document.setAttribute(m_channel, QLatin1String(attribute), value, CChannelCsvImport::undoText());
    if (!verdict.accepted())
        return refuse(StringTable::text(verdict.msgId ? verdict.msgId : 3000));
    if (!m_changed.contains(QLatin1String(column)))
        m_changed << QLatin1String(column);
    return true;
}

bool RowImport::takeChannel()
{
    if (m_row.location <= m_profile.channelCount()) {
        m_index = m_row.location - 1;
    } else {
        CDataItem channels;
        m_document.root().GetChildByName(QStringLiteral("channels"), channels);
        if (!channels.CanAddChild()) {
            note(Note::Lost,
                translated("Location %1: the model has no room for more channels; the row is not imported.")
                    .arg(m_row.location));
            return false;
        }
        const AddedChild added = m_document.addChild(channels, CChannelCsvImport::undoText());
        if (!added.verdict.accepted())
            return refuse(StringTable::text(added.verdict.msgId ? added.verdict.msgId : 3000));
        m_profile.reload();
        m_index = added.item.GetIndexInParent();
        m_added = true;
        if (m_index + 1 != m_row.location)
            note(Note::Adapted,
                translated("Location %1 becomes channel %2.").arg(m_row.location).arg(m_index + 1));
    }
    m_channel = m_profile.channel(m_index);
    return true;
}

// The table row of hz, added to the table when it is not there.
bool RowImport::frequency(quint32 hz, Side &side, const char *indexAttribute, const char *column)
{
    side.index = m_profile.frequencyIndex(hz);
    if (side.index < 0) {
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
                translated("%1 MHz allows 2 W at most: it is added with low power only.")
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
                    translated("%1 MHz is added as 12.5 kHz only: the model allows no wider "
                               "channels.")
                        .arg(MegahertzText(hz)));
            }
        }
        if (!verdict.accepted())
            return refuse(MegahertzText(hz) + QStringLiteral(" MHz: ") + StringTable::text(verdict.msgId));
        m_profile.reload();
        side.index = m_profile.frequencyIndex(hz);
        note(Note::Added,
            translated("%1 MHz is added to the RF frequency table as entry %2.")
                .arg(MegahertzText(hz))
                .arg(side.index + 1));
    }
    side.moved = stored(indexAttribute) != side.index;
    return write(indexAttribute, side.index, column);
}

int RowImport::frequencyRule(int tableIndex, const char *rule) const
{
    CDataItem entry;
    m_profile.frequencyTable().GetChildByIndex(tableIndex, entry);
    if (entry.isEmpty())
        return -1;
    // On a two-watt frequency a four-watt radio sends with low power only.
    if (QLatin1String(rule) == QLatin1String("power_level") && m_profile.powerClass() == 4
        && FrequencyRules::IsTwoWattFrequency(m_profile.frequencies()[size_t(tableIndex)]))
        return 0;
    return fixedRule(entry.GetAttributeValue(QLatin1String(rule)).toInt());
}

// A bandwidth or power value: the row's, unless the frequency fixes it.
bool RowImport::writeRuled(
    const char *attribute, int wanted, bool given, const Side &side, const char *rule, const char *column)
{
    if (!side.moved && wanted == stored(attribute))
        return true;
    const int fixed = frequencyRule(side.index, rule);
    if (fixed >= 0 && fixed != wanted && given)
        note(Note::Adapted,
            translated("%1: the frequency allows only %2.")
                .arg(QLatin1String(column),
                    QLatin1String(column) == QLatin1String("Mode")
                        ? (fixed ? QStringLiteral("FM") : QStringLiteral("NFM"))
                        : WattsText(m_profile.watts(fixed))));
    return write(attribute, fixed >= 0 ? fixed : wanted, column);
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
        translated("This radio cannot use %1: the channel gets no code.").arg(signalText(signal)));
    return 0;
}

bool RowImport::run()
{
    if (!takeChannel())
        return false;
    const Entry before = m_profile.entryOf(m_index);
    if (m_row.name && !m_row.name->isEmpty() && *m_row.name != before.name) {
        const QString name = m_row.name->left(8);
        if (name != *m_row.name)
            note(Note::Adapted, translated("The name \"%1\" is cut to \"%2\".").arg(*m_row.name, name));
        const HookVerdict verdict
            = m_document.setAttribute(m_channel, QStringLiteral("name"), name, CChannelCsvImport::undoText());
        if (!verdict.accepted())
            return refuse(StringTable::text(verdict.msgId ? verdict.msgId : 3000));
        m_changed << QStringLiteral("Name");
    }
    bool duplex = m_row.duplex.value_or(before.duplex);
    const quint32 transmitHz = m_row.duplex ? m_row.transmitHz : before.transmitHz;
    if (duplex && !m_profile.hasRepeater()) {
        note(Note::Lost,
            translated("This model has no repeater: the channel transmits on its receive frequency."));
        duplex = false;
    }
    Side receive, transmit;
    if (!frequency(m_row.receiveHz, receive, "rx_freq_ndx", "Frequency"))
        return false;
    if (duplex && !frequency(transmitHz, transmit, "tx_freq_ndx", "Duplex"))
        return false;
    // Without the repeater feature the receive settings are the transmit settings.
    const bool mirrored = !m_profile.hasRepeater();
    if (mirrored && !write("tx_freq_ndx", receive.index, "Frequency"))
        return false;
    if (m_profile.hasRepeater() && !write("repeater", duplex ? 1 : 0, "Duplex"))
        return false;
    const int wide = m_row.wide.value_or(before.wide) ? 1 : 0;
    if (!writeRuled("rx_bw", wide, m_row.wide.has_value(), receive, "bandwidth", "Mode"))
        return false;
    const Side &transmitSide = duplex ? transmit : receive;
    if ((duplex || mirrored)
        && !writeRuled("tx_bw", wide, m_row.wide.has_value(), transmitSide, "bandwidth", "Mode"))
        return false;
    if (m_profile.powerControl() || !m_row.watts) {
        const int level = m_row.watts ? m_profile.levelOf(*m_row.watts) : before.power;
        if (m_row.watts && std::abs(m_profile.watts(level) - *m_row.watts) > 0.05)
            note(Note::Adapted,
                translated("Power %1 becomes %2.")
                    .arg(WattsText(*m_row.watts), WattsText(m_profile.watts(level))));
        const char *powerAttribute = duplex ? "repeater_power" : "talkaround_power";
        if (!writeRuled(powerAttribute, level, m_row.watts.has_value(), transmitSide, "power_level", "Power"))
            return false;
        if (mirrored
            && !writeRuled("repeater_power", level, m_row.watts.has_value(), receive, "power_level", "Power"))
            return false;
    } else if (m_profile.levelOf(*m_row.watts) != before.power) {
        note(Note::Lost, translated("This model has no power choice: the power is not changed."));
    }
    if (m_row.tones) {
        Tones tones = *m_row.tones;
        if (mirrored && !(tones.transmit == tones.receive)) {
            note(Note::Lost,
                translated("This model transmits with its receive code: %1 is not sent.")
                    .arg(tones.transmit.kind == Signal::None ? translated("no code")
                                                             : signalText(tones.transmit)));
            tones.transmit = tones.receive;
        }
        if (!write("rx_code", codeFor(tones.receive, stored("rx_code")), "Tone")
            || !write("tx_code", codeFor(tones.transmit, stored("tx_code")), "Tone"))
            return false;
    }
    if (m_row.skip && !write("in_scanlist", *m_row.skip ? 0 : 1, "Skip"))
        return false;
    if (m_added)
        note(Note::Added, translated("Channel %1 is added.").arg(m_index + 1));
    else if (m_changed.isEmpty())
        note(Note::Unchanged, translated("Channel %1 is unchanged.").arg(m_index + 1));
    else
        note(Note::Changed,
            translated("Channel %1 changes: %2.").arg(m_index + 1).arg(m_changed.join(QStringLiteral(", "))));
    return true;
}

} // namespace

QString ChannelImportReport::text() const
{
    if (!formatError.isEmpty())
        return formatError;
    QStringList lines;
    for (const ChannelImportNote &note : notes)
        lines << translated("Line %1: %2").arg(note.line).arg(note.text);
    return lines.join(QLatin1Char('\n'));
}

CChannelCsvImport::CChannelCsvImport(const QByteArray &bytes)
    : m_rows(ReadRows(bytes))
{
}

QString CChannelCsvImport::undoText()
{
    return translated("Import Channels");
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
                translated("Location %1 is already on line %2.")
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
    report.kept = document.editGroup(undoText(), [&] {
        ProfileView profile(document.root(), document.powerClass());
        for (const Row *row : rows) {
            QList<Note> notes;
            bool refused = false;
            document.editGroup(QString(), [&] {
                try {
                    const bool taken = RowImport(document, profile, *row, notes).run();
                    refused = !taken && !notes.isEmpty() && notes.last().kind == Note::Refused;
                    return taken;
                } catch (const CVelaCPSException &error) {
                    notes << Note { row->line, Note::Refused, error.text() };
                    refused = true;
                    return false;
                }
            });
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
