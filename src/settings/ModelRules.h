#pragma once

#include "model/DataItem.h"

#include <QString>

#include <functional>

class CSettingsDocuments;

// The loaded limit values that the limit-saving rule keeps while the profile
// is edited with them switched off; saving puts them back.
struct SavedLimitValues {
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

// How a rule changes an attribute. A document passes its edit path, so that
// a rule's change is offered to the hook and announced like an editor's;
// by default the change goes to the data item alone.
using AttributeWriter
    = std::function<HookVerdict(CDataItem &item, const QString &attribute, const QVariant &value)>;
HookVerdict WriteThroughItem(CDataItem &item, const QString &attribute, const QVariant &value);

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
void RunLoadTimeRules(
    CDataItem &root, SavedLimitValues &saved, const AttributeWriter &write = WriteThroughItem);
// The rules one by one, for callers and tests that need them apart.
void SaveLimitValues(
    CDataItem &root, SavedLimitValues &saved, const AttributeWriter &write = WriteThroughItem);
void ApplyRepeaterFeatureRule(CDataItem &root, const AttributeWriter &write = WriteThroughItem);
void ApplyModelSpecificSettingsRule(CDataItem &root);
void ApplyModelCodeRule(CDataItem &root, const AttributeWriter &write = WriteThroughItem);
void ApplyNarrowbandRule(CDataItem &root, const AttributeWriter &write = WriteThroughItem);
void ApplyCompanderRule(CDataItem &root, const AttributeWriter &write = WriteThroughItem);
void ApplyVoiceChipRule(CDataItem &root, const AttributeWriter &write = WriteThroughItem);

// Run on every profile as it is loaded: a numberChannels above the number
// of channel elements (another tool may have written it) becomes that
// number, with one message saying so.
void ApplyChannelCountRule(CDataItem &root, const AttributeWriter &write = WriteThroughItem);

// The messages that these rules and their callers show, untranslated; text()
// gives one in the current language.
extern const char *const kRangeMessage;
extern const char *const kNarrowbandNotice;
QString text(const char *message);

} // namespace ModelRules
