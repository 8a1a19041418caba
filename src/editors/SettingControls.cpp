#include "SettingControls.h"

#include "base/MessageReporter.h"
#include "base/VelaException.h"

void HideMissingFeatures(std::span<const FeatureLimit> limits,
    const std::function<bool(const char *flag)> &flagOf, const std::function<void(int controlId)> &hide)
{
    try {
        for (const FeatureLimit &limit : limits) {
            if (flagOf(limit.flag) == limit.missingWhen) {
                hide(limit.label);
                hide(limit.field);
            }
        }
    } catch (const CVelaCPSException &error) {
        showMessage(error.text(), MsgStyle::IconError);
    }
}
