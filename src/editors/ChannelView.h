#pragma once

#include "BaseView.h"
#include "document/ChannelCommands.h"

#include <vector>

class QComboBox;

// One channel of the profile: its name, the receive and transmit side
// (frequency from the RF frequency table, bandwidth, power, PL/DPL code),
// scramble, repeater, scan flags and the disable flag. A frequency's
// bandwidth and power rules drive the channel's combos; on models without
// the repeater feature the receive side is also the transmit side.
class CChannelView : public CBaseView {
    Q_OBJECT

public:
    explicit CChannelView(const EditorContext &context, QWidget *parent = nullptr);

    void OnInitialUpdate() override;

    // The receive and transmit side of the form: the combos that a
    // frequency's rules drive.
    struct Side {
        int frequency;
        int bandwidth;
        int power;
        const char *frequencyAttribute;
    };

protected:
    void LoadRes() override;
    void LoadData() override;
    void OnControlChanged(const FormControl &control, const QVariant &value) override;
    std::optional<CommandVerdict> controlCommand(const FormControl &control, const QVariant &value) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readFrequencyTable(std::vector<QString> &texts);
    void fillFrequencyList(const Side &side, const std::vector<QString> &texts);
    void fillCodeList(int comboId);
    void showFrequencyRules(const Side &side);
    void applyLimits();
    void applyChannelState();
    void hideTransmitColumn();

    // The channel's commands, asking their questions in message boxes.
    CChannelCommands commands();
    void frequencyChosen(const Side &side, int tableIndex);
    bool openedOutOfRange(const Side &side);

    int stored(int controlId) const;
    QComboBox *combo(int controlId) const;
    const Side &otherSide(const Side &side) const;

    std::vector<FrequencyChoice> m_frequencies;
    bool m_transmitHidden = false;
    // The drop-down lists of the frequency combos, by combo id.
    QHash<int, const QObject *> m_dropDowns;
};
