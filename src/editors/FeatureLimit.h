#pragma once

#include <functional>
#include <span>

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
