#pragma once

#include "model/DataItem.h"

#include <QString>

class CSettingsDocuments;

// The loaded limit values that the limit-saving rule keeps while the profile
// is edited with them switched off; saving puts them back.
struct SavedLimitValues
{
    int disableChannelEnable = 1;
    int talkaroundScanEnable = 1;
    int voiceChipEnable = 1;
    int maxCodes = 219;
    // Whether the rule has kept the values of the loaded profile; until it
    // has, there is nothing to put back.
    bool saved = false;
};

// Rules that follow from a profile's model code, region and codeplug
// version. They read the profile through data items and change it with
// SetAttributeValue, so the profile's hooks see every change.
namespace ModelRules {

// Model code predicates (the model attribute of factory_setting).
QString ModelCode(const CDataItem &root);
bool IsDisplayModel(const CDataItem &root);
bool IsRepeaterModel(const CDataItem &root);
// Character 4 of the model code: '4' or '5' for the four- and five-watt classes.
QChar PowerClass(const CDataItem &root);

// Channels among the first numberChannels that are not disabled.
int GetEnabledChannelCount(const CDataItem &root);
// Every channel's receive and transmit frequency within start_freq..end_freq.
bool CheckChannelFrequencyRange(const CDataItem &root);
// Every channel's rx_code and tx_code at most limit.
bool CheckCustomCodes(const CDataItem &root, unsigned limit);

// The load-time rules in their order: limit saving (when "VelaTag" is 1),
// repeater feature, model-specific settings, model code, narrowband,
// frequency-table compander, voice chip. Messages go to the reporter.
void RunLoadTimeRules(CDataItem &root, SavedLimitValues &saved);
// The rules one by one, for callers and tests that need them apart.
void SaveLimitValues(CDataItem &root, SavedLimitValues &saved);
void ApplyRepeaterFeatureRule(CDataItem &root);
void ApplyModelSpecificSettingsRule(CDataItem &root);
void ApplyModelCodeRule(CDataItem &root);
void ApplyNarrowbandRule(CDataItem &root);
void ApplyCompanderRule(CDataItem &root);
void ApplyVoiceChipRule(CDataItem &root);

// The messages that these rules and their callers show.
extern const char *const kRangeMessage;
extern const char *const kNarrowbandNotice;

} // namespace ModelRules
