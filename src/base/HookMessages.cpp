#include "HookMessages.h"

#include <QtGlobal>

namespace {
// Ids 3000 and up, in the order of DataProfile.js's MSG table.
constexpr HookMessage kHookMessages[] = {
    { 3000, QT_TRANSLATE_NOOP("StringTable", "The value is not valid.") },
    { 3001,
        QT_TRANSLATE_NOOP(
            "StringTable", "A channel name must have 1 to 8 characters. Please enter another name.") },
    { 3002,
        QT_TRANSLATE_NOOP(
            "StringTable", "Another channel already has this name. Please enter a different name.") },
    { 3003,
        QT_TRANSLATE_NOOP("StringTable",
            "A channel name can only contain letters, digits, blanks and the punctuation marks of "
            "a standard keyboard. Please enter another name.") },
    { 3004,
        QT_TRANSLATE_NOOP(
            "StringTable", "The codeplug password must be exactly 4 digits, or empty for no password.") },
    { 3005,
        QT_TRANSLATE_NOOP("StringTable",
            "The power up text can have at most 8 characters, each one of: A-Z, 0-9, b, c, d, g, h, "
            "l, i, o, r, u, *, {, }, ?, &, %, ., +, /, \\, -, '") },
    { 3006,
        QT_TRANSLATE_NOOP("StringTable",
            "The repeater station ID can have at most 9 characters, letters and digits only.") },
    { 3007,
        QT_TRANSLATE_NOOP(
            "StringTable", "The Tx hang time must be a whole number of seconds from 0 to 50.") },
    { 3008,
        QT_TRANSLATE_NOOP(
            "StringTable", "The Tx low battery time must be a whole number of minutes from 0 to 255.") },
    { 3009, QT_TRANSLATE_NOOP("StringTable", "A customized PL tone must be from 67.0 to 255.0 Hz.") },
    { 3010,
        QT_TRANSLATE_NOOP("StringTable", "A customized DPL code must be an octal code from 001 to 777.") },
    { 3011,
        QT_TRANSLATE_NOOP("StringTable",
            "One feature can not be assigned to multiple buttons. Choose another feature, or "
            "first remove this one from the button that has it.") },
    { 3012,
        QT_TRANSLATE_NOOP("StringTable",
            "This radio model does not support this PL/DPL code. Please choose another code.") },
    { 3013,
        QT_TRANSLATE_NOOP("StringTable",
            "A preset can only use an enabled channel of this profile. Please choose another "
            "channel.") },
    { 3014,
        QT_TRANSLATE_NOOP("StringTable",
            "This is the last enabled channel and can not be disabled. Enable another channel "
            "first.") },
    { 3015,
        QT_TRANSLATE_NOOP("StringTable",
            "This frequency is not in the RF frequency table. Please choose a frequency of the "
            "table.") },
    { 3016,
        QT_TRANSLATE_NOOP("StringTable",
            "This channel is assigned to a Preset Channel button. Deleting it moves the preset to "
            "another channel. Do you want to continue?") },
    { 3017,
        QT_TRANSLATE_NOOP(
            "StringTable", "This channel can not be deleted: at least one enabled channel must remain.") },
    { 3018,
        QT_TRANSLATE_NOOP("StringTable",
            "The RF frequency table is full (99 frequencies). Delete a frequency that no channel "
            "uses before adding another one.") },
    { 3019,
        QT_TRANSLATE_NOOP("StringTable",
            "This frequency is already in the RF frequency table. Please enter a different "
            "frequency.") },
    { 3020,
        QT_TRANSLATE_NOOP("StringTable",
            "This frequency is outside the frequency range of the radio (see Radio Information). "
            "Please enter a frequency within the range.") },
    { 3021,
        QT_TRANSLATE_NOOP("StringTable",
            "MURS frequencies (151.820, 151.880, 151.940, 154.570 and 154.600 MHz) can not be "
            "programmed. Please enter a different frequency.") },
    { 3022,
        QT_TRANSLATE_NOOP("StringTable",
            "This frequency is used by a channel and can not be deleted. Give the channel another "
            "frequency first.") },
    { 3023,
        QT_TRANSLATE_NOOP("StringTable",
            "Channels use this frequency. Changing its bandwidth or power level also changes the "
            "bandwidth and power of these channels. Do you want to continue?") },
    { 3024,
        QT_TRANSLATE_NOOP("StringTable",
            "25 KHz channel spacing is not permitted in this radio's region. Please select "
            "\"12.5 KHz only\".") },
    { 3025,
        QT_TRANSLATE_NOOP(
            "StringTable", "The frequency, bandwidth, power level or compander value is not valid.") },
};
} // namespace

std::span<const HookMessage> hookMessages()
{
    return kHookMessages;
}
