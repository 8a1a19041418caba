#pragma once

// The dealer's actions on one channel, each with the rules it sets off and
// each one undo step through the document's edit path.

#include "CommandVerdict.h"
#include "model/DataItem.h"

#include <vector>

class CProfileDocument;

// A row of the RF frequency table as a channel may choose it.
struct FrequencyChoice {
    qint64 hertz = 0;
    // The row's bandwidth and power rules: 0 and 1 fix the channel's
    // bandwidth (12.5 kHz, 25 kHz) or power (low, high), 2 and 3 preselect
    // them; a two-watt frequency of a four-watt radio has power rule 0.
    int bandwidthRule = 0;
    int powerRule = 0;
    bool twoWatt = false;
    bool listed = false; // within the model's start_freq..end_freq
};

// The rows of the frequency table of the profile whose root is given, for a
// radio of powerClass.
std::vector<FrequencyChoice> frequencyChoices(const CDataItem &root, int powerClass);

// Whether a rule fixes the channel's setting (rules 0 and 1), which the
// dealer then cannot change.
bool frequencyRuleIsFixed(int rule);

class CChannelCommands {
public:
    enum class Side { Receive, Transmit };

    // ask answers the commands' questions; without one, every question is
    // answered No.
    CChannelCommands(CProfileDocument &document, int channel, CommandAsker ask = {});

    // The frequency-table row for one side: the row's bandwidth and power
    // rules follow, and on a repeater channel a transmit frequency equal to
    // the receive frequency moves to the next row (or, with no other row,
    // the channel talks around). Without the repeater feature both sides
    // take the row.
    CommandVerdict chooseFrequency(Side side, int tableIndex);
    // The repeater option; switched on with equal frequencies, the transmit
    // side moves to the next row.
    CommandVerdict setRepeater(bool on);
    // Disabling a channel a preset button uses asks first.
    CommandVerdict setDisabled(bool disabled);
    // Any other channel attribute. Without the repeater feature the receive
    // bandwidth, power and code are the transmit ones too.
    CommandVerdict setAttribute(const QString &attribute, const QVariant &value, const QString &undoText);

    // Whether the receive settings stand for the transmit ones (the model
    // has no repeater feature).
    bool transmitFollowsReceive() const;
    // The frequency table's rows as the commands decide with them.
    const std::vector<FrequencyChoice> &choices() const { return m_choices; }

private:
    struct SideNames;
    static const SideNames &names(Side side);
    static Side other(Side side);

    CDataItem channel() const;
    int stored(const char *attribute) const;
    bool limitFlag(const char *attribute) const;
    // Writes through the edit path; false (the refusal kept) when refused.
    bool write(const char *attribute, const QVariant &value);
    // The frequency row's bandwidth and power rules written to a side.
    void writeRules(Side side, int tableIndex);
    void writeRule(const char *attribute, int rule);
    // The rows a side's list offers: the listed rows, then the stored row
    // when it is not listed.
    std::vector<int> offered(Side side) const;
    // The transmit side takes the row after tableIndex among rows (the
    // first after the last).
    void selectNextTransmitAfter(int tableIndex, const std::vector<int> &rows);
    bool presetUsesChannel() const;
    CommandVerdict verdict() const;

    CProfileDocument &m_document;
    const int m_channel;
    CommandAsker m_ask;
    std::vector<FrequencyChoice> m_choices;
    QString m_undoText;
    CommandVerdict m_refusal;
    bool m_refused = false;
    QStringList m_notices;
};
