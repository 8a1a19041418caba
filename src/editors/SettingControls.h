#pragma once

#include "FormControl.h"

#include <functional>
#include <span>

// What the settings pages share: list rows bound to "setting" and the rows of
// the features a radio model may lack.

// A list whose item index is the value of a "setting" attribute.
constexpr FormControl SettingCombo(
    int id, int row, int buddy, const char *attribute, std::span<const char *const> items)
{
    return { .id = id,
        .widget = ControlWidget::Combo,
        .row = row,
        .section = Section::kSetting,
        .attribute = attribute,
        .buddy = buddy,
        .items = items };
}

// A feature a radio model may lack, as the "limit" element tells: the flag,
// the flag value that means the feature is missing, and the row (label and
// field) of the form that shows the feature and is hidden without it.
struct FeatureLimit {
    const char *flag;
    bool missingWhen;
    int label;
    int field;
};

// Hides the rows of the features the model lacks; flagOf reads a flag of
// "limit". A flag that cannot be read is reported and hides nothing more.
void HideMissingFeatures(std::span<const FeatureLimit> limits,
    const std::function<bool(const char *flag)> &flagOf, const std::function<void(int controlId)> &hide);
