#pragma once

// The conversions between the codeplug image and the profile text.

#include "VirtualCP.h"

#include <QString>

class CDataAdaptor {
public:
    // Fills image from the profile text for a write to the radio described
    // by identity, and returns 1. For a radio of power class 4 the two-watt
    // frequency adjustment is applied to (a copy of) the text first; with a
    // radio codeplug version below 3 the channels' disable_channel and
    // talkaround_scan are written 0.
    //
    // Only what the profile carries is written: the image is never cleared
    // as a whole, so records beyond the profile's counts, the radio-only
    // limit flag and the reserved bytes keep their values; channels beyond
    // 19 and frequencies beyond 99 are ignored.
    //
    // Raises CVelaCPSException (operation "CDataAdaptor::XML2VirtualCP"):
    // "Unknown Error" for a text that does not load or lacks factory_setting,
    // limit or setting, and for every error of the XML layer; other errors
    // pass with their own code. The image is then partly filled.
    static int XML2VirtualCP(const QString &profileText, VirtualCP &image, const RadioIdentity &identity);

    // Writes the canonical profile text of image into profileText and returns
    // 1. Duplicate channel names in the image are repaired in place first
    // (codeplug::repairDuplicateChannelNames). Counts beyond the image's 19
    // channel and 99 frequency records are written as 19 and 99.
    //
    // Refusals, each shown to the user and returning 0:
    //   "Invalid serial number"  the serial breaks the rule; profileText and
    //                            the image are left unchanged;
    //   "Codeplug is corrupted"  the text does not load as XML;
    //   "Invalid Frequency."     the text holds a MURS frequency.
    // In the last two cases profileText already holds the text.
    static int VirtualCP2XML(VirtualCP &image, QString &profileText);
};
