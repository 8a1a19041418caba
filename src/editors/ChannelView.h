#pragma once

#include "BaseView.h"

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
    void LoadData() override;
    void OnControlChanged(const FormControl &control, const QVariant &value) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One entry of the RF frequency table as the channel sees it.
    struct Frequency {
        int bandwidthRule = -1;
        int powerRule = -1; // 0 on a two-watt frequency of a four-watt radio
        bool listed = false; // within the model's range
    };

    void readFrequencyTable(std::vector<QString> &texts);
    void fillFrequencyList(const Side &side, const std::vector<QString> &texts);
    void fillCodeList(int comboId);
    void showFrequencyRules(const Side &side);
    void applyLimits();
    void applyChannelState();
    void hideTransmitColumn();

    void frequencyChosen(const Side &side, int tableIndex);
    void writeRules(const Side &side, int tableIndex);
    void writeRule(int comboId, int rule);
    void selectNextTransmitAfter(int tableIndex);
    void repeaterChanged(bool checked);
    void disableChannelChanged(const FormControl &control, bool disable);
    bool presetUsesChannel() const;
    bool openedOutOfRange(const Side &side);

    int stored(int controlId) const;
    bool write(int controlId, const QVariant &value);
    QComboBox *combo(int controlId) const;
    const Side &otherSide(const Side &side) const;

    std::vector<Frequency> m_frequencies;
    bool m_transmitHidden = false;
    // The drop-down lists of the frequency combos, by combo id.
    QHash<int, const QObject *> m_dropDowns;
};
