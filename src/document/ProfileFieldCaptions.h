#pragma once

#include <QString>

// The labels a dealer knows the profile's elements and fields by, for the
// lists of differences between profiles.
namespace ProfileFieldCaptions {

// "Channel", "Frequency", "General Settings", ...; the element's name when
// it has no label.
QString elementCaption(const QString &element);

// "Receive Frequency" for channel and rx_freq_ndx; the attribute's name
// when it has no label.
QString caption(const QString &element, const QString &attribute);

} // namespace ProfileFieldCaptions
