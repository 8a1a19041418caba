"use strict";
// Hooks of the radio profile: the product rules that the schema alone cannot
// express. DataProfile.xsd attaches each function to a declaration through
// its scps:SchemaExtension annotation; the program calls it by name whenever
// an editor changes that part of the profile.
//
// Calling conventions (node arguments are profile nodes; "out" starts as
// {msgId: 0, style: 0} and names the message the program shows):
//   SetVal             f(element, attribute, value, out, context) -> status
//   CanAddChild        f(element) -> boolean
//   OnAddNew           f(element) -> the new child, or null
//   CanDeleteChild     f(element) or f(element, rowIndex) -> boolean
//   OnDelete           f(child, index, out, context) -> status
//   OnAddNewFrequency  f(element, freq, bandwidth, powerLevel, compander, out) -> status
//   SetFreqAttr        f(element, rowIndex, freq, bandwidth, powerLevel, compander, out, context) -> status
// A hook writes what it accepts itself; nothing it refuses is written.

// ---- Results -----------------------------------------------------------

var STATUS_DONE = 0;      // accepted and written
var STATUS_REFUSED = 1;   // refused; out names the message
var STATUS_ASK = 2;       // the user must confirm first; out names the question
var ANSWER_YES = 6;       // context of the repeated call after a "Yes"

var MB_YESNO = 0x4;
var MB_ICONWARNING = 0x30;

// Message ids; the texts are in the program's string table.
var MSG = {
    invalidValue: 3000,
    channelNameLength: 3001,
    channelNameTaken: 3002,
    channelNameCharacters: 3003,
    password: 3004,
    powerUpText: 3005,
    stationId: 3006,
    hangTime: 3007,
    lowBatteryTime: 3008,
    customTone: 3009,
    customDplCode: 3010,
    featureOnOtherButton: 3011,
    codeNotSupported: 3012,
    presetChannel: 3013,
    lastEnabledChannel: 3014,
    frequencyIndex: 3015,
    confirmDeletePresetChannel: 3016,
    lastChannel: 3017,
    frequencyTableFull: 3018,
    frequencyDuplicate: 3019,
    frequencyOutOfRange: 3020,
    mursFrequency: 3021,
    frequencyInUse: 3022,
    confirmChangeUsedFrequency: 3023,
    wideBandNotAllowed: 3024,
    frequencyProperties: 3025
};

// ---- Fixed product facts -------------------------------------------------

var MAX_CHANNEL_RECORDS = 19;    // channel records of the codeplug image
var MAX_FREQUENCY_RECORDS = 99;  // frequency records of the codeplug image
var MAX_CODE_NUMBER = 219;       // highest PL/DPL code number of the code table

// MURS frequencies (Hz): licence-free, never programmed into these radios.
var MURS_FREQUENCIES = [151820000, 151880000, 151940000, 154570000, 154600000];

// Regions bound to 12.5 kHz channels (last two digits of the model code).
var NARROWBAND_REGIONS = ["00", "04", "70"];

// The five programmable buttons; each holds one feature value, 0 = none.
var BUTTONS = ["side1_but", "side2_but", "upper_right_but", "lower_left_but", "lower_right_but"];
var FEATURE_NONE = 0;
var FEATURE_PRESET_1 = 9;   // the preset features follow in preset order

var CHANNEL_NAME_MAX = 8;
var POWER_UP_TEXT = /^[A-Z0-9bcdghlioru*{}?&%.+\/\\\-']{0,8}$/;  // what the display can show
var STATION_ID = /^[A-Za-z0-9]{0,9}$/;
var PASSWORD = /^([0-9]{4})?$/;
var PRINTABLE_ASCII = /^[\x20-\x7E]*$/;  // the image stores names as 8-bit text

// ---- Value helpers -----------------------------------------------------------

// A whole number from a hook argument (number, numeric text or boolean);
// NaN for anything else, so every range test below fails on it.
function toInteger(value) {
    if (typeof value === "boolean")
        return value ? 1 : 0;
    if (typeof value === "number")
        return Number.isInteger(value) ? value : NaN;
    if (typeof value === "string" && /^\s*-?[0-9]+\s*$/.test(value))
        return parseInt(value, 10);
    return NaN;
}

function toText(value) {
    return value === null || value === undefined ? "" : String(value);
}

function inRange(number, low, high) {
    return number >= low && number <= high;  // false for NaN
}

// An attribute as a number; fallback when it is absent or not a number.
function intAttribute(node, name, fallback) {
    var number = toInteger(node.getAttribute(name));
    return isNaN(number) ? fallback : number;
}

function isSet(node, name) {
    return node.getAttribute(name) === "1";  // only the exact text "1" counts as set
}

function refuse(out, msgId) {
    out.msgId = msgId;
    out.style = MB_ICONWARNING;
    return STATUS_REFUSED;
}

function askFirst(out, msgId) {
    out.msgId = msgId;
    out.style = MB_YESNO | MB_ICONWARNING;
    return STATUS_ASK;
}

// Writes a checked number and accepts it.
function writeInteger(element, name, number) {
    element.setAttribute(name, String(number));
    return STATUS_DONE;
}

// ---- Profile navigation -------------------------------------------------------

function section(node, name) {
    return node.selectSingleNode("/dfns:VelaProfile/dfns:" + name);
}

function presetsOf(node) {
    return section(node, "setting").selectNodes("dfns:preset");
}

function modelRegion(node) {
    var model = section(node, "factory_setting").getAttribute("model") || "";
    return model.substring(6, 8);
}

// Channels the radio uses: the first numberChannels records. A profile made
// from a radio may hold further, unused records after them.
function channelsInUse(channels) {
    var numberChannels = intAttribute(section(channels, "setting"), "numberChannels", 0);
    return Math.min(channels.childCount(), numberChannels);
}

function channelCapacity(node) {
    var maxChannels = intAttribute(section(node, "limit"), "maxChannels", 0);
    return Math.min(maxChannels, MAX_CHANNEL_RECORDS);
}

function setChannelsInUse(channels, count) {
    section(channels, "setting").setAttribute("numberChannels", String(count));
}

// Indexes of the channels in use that are not disabled.
function enabledChannels(channels) {
    var enabled = [];
    var count = channelsInUse(channels);
    for (var i = 0; i < count; i++) {
        if (!isSet(channels.childAt(i), "disable_channel"))
            enabled.push(i);
    }
    return enabled;
}

function channelNameInUse(channels, name, exceptIndex) {
    var count = channelsInUse(channels);
    for (var i = 0; i < count; i++) {
        if (i !== exceptIndex && channels.childAt(i).getAttribute("name") === name)
            return true;
    }
    return false;
}

// The first "CHAN n" no channel in use carries.
function freeChannelName(channels) {
    for (var n = 1; ; n++) {
        var candidate = "CHAN " + n;
        if (!channelNameInUse(channels, candidate, -1))
            return candidate;
    }
}

// True when a button holds the preset feature of a preset whose channel is
// the given one: deleting that channel changes what the button does.
function presetButtonUsesChannel(setting, channelIndex) {
    var presets = setting.selectNodes("dfns:preset");
    for (var p = 0; p < presets.length; p++) {
        if (intAttribute(presets[p], "channel", -1) !== channelIndex)
            continue;
        for (var b = 0; b < BUTTONS.length; b++) {
            if (intAttribute(setting, BUTTONS[b], FEATURE_NONE) === FEATURE_PRESET_1 + p)
                return true;
        }
    }
    return false;
}

// A preset must name an enabled channel in use; this is the one it falls
// back to when its channel goes away or is disabled.
function fallbackPresetChannel(channels) {
    var enabled = enabledChannels(channels);
    return enabled.length > 0 ? enabled[0] : 0;
}

// A frequency's bandwidth and power rules for the channels on it: rules 0
// and 1 fix 12.5 kHz / low and 25 kHz / high; 2 and 3 let the channel
// choose, starting from 12.5 kHz / low and 25 kHz / high respectively.
function fixedRuleValue(frequency, name) {
    var rule = intAttribute(frequency, name, 0);
    return rule === 0 || rule === 1 ? rule : -1;
}

function defaultRuleValue(frequency, name) {
    var rule = intAttribute(frequency, name, 0);
    return rule === 1 || rule === 3 ? 1 : 0;
}

// Channels in use that receive or transmit on frequency row "row".
function channelsUsingFrequency(channels, row) {
    var users = [];
    var count = channelsInUse(channels);
    for (var i = 0; i < count; i++) {
        var channel = channels.childAt(i);
        if (intAttribute(channel, "rx_freq_ndx", -1) === row || intAttribute(channel, "tx_freq_ndx", -1) === row)
            users.push(channel);
    }
    return users;
}

// ---- Channel attributes (SetVal) ------------------------------------------------

function SetChannelName(channel, attribute, value, out, context) {
    var name = toText(value).trim();
    if (name.length < 1 || name.length > CHANNEL_NAME_MAX)
        return refuse(out, MSG.channelNameLength);
    if (!PRINTABLE_ASCII.test(name))
        return refuse(out, MSG.channelNameCharacters);
    var channels = channel.parentNode();
    if (channelNameInUse(channels, name, channels.indexOf(channel)))
        return refuse(out, MSG.channelNameTaken);
    channel.setAttribute("name", name);
    return STATUS_DONE;
}

// rx_code and tx_code: a code of the code table that the model supports.
function SetChannelCode(channel, attribute, value, out, context) {
    var code = toInteger(value);
    var maxCodes = intAttribute(section(channel, "limit"), "maxCodes", 0);
    if (!inRange(code, 0, Math.min(maxCodes, MAX_CODE_NUMBER)))
        return refuse(out, MSG.codeNotSupported);
    return writeInteger(channel, attribute.nodeName, code);
}

// rx_freq_ndx and tx_freq_ndx: a row of the RF frequency table.
function SetFrequencyIndex(channel, attribute, value, out, context) {
    var row = toInteger(value);
    if (!inRange(row, 0, section(channel, "frequencies").childCount() - 1))
        return refuse(out, MSG.frequencyIndex);
    return writeInteger(channel, attribute.nodeName, row);
}

// At least one channel in use stays enabled. Presets may only name enabled
// channels, so a preset on a channel being disabled moves to another one.
function SetChannelDisabled(channel, attribute, value, out, context) {
    var flag = toInteger(value);
    if (!inRange(flag, 0, 1))
        return refuse(out, MSG.invalidValue);
    var channels = channel.parentNode();
    var index = channels.indexOf(channel);
    if (flag === 1 && !isSet(channel, "disable_channel")) {
        var enabled = enabledChannels(channels);
        if (enabled.length === 1 && enabled[0] === index)
            return refuse(out, MSG.lastEnabledChannel);
    }
    channel.setAttribute("disable_channel", String(flag));
    if (flag === 1) {
        var presets = presetsOf(channel);
        for (var p = 0; p < presets.length; p++) {
            if (intAttribute(presets[p], "channel", -1) === index)
                presets[p].setAttribute("channel", String(fallbackPresetChannel(channels)));
        }
    }
    return STATUS_DONE;
}

// ---- General settings (SetVal) -----------------------------------------------------

function SetPassword(setting, attribute, value, out, context) {
    var password = toText(value);
    if (!PASSWORD.test(password))
        return refuse(out, MSG.password);
    setting.setAttribute("password", password);
    return STATUS_DONE;
}

function SetPowerUpText(setting, attribute, value, out, context) {
    var text = toText(value).trim();  // the radio pads with blanks anyway
    if (!POWER_UP_TEXT.test(text))
        return refuse(out, MSG.powerUpText);
    setting.setAttribute("powerupString", text);
    return STATUS_DONE;
}

function SetStationId(setting, attribute, value, out, context) {
    var id = toText(value).trim();
    if (!STATION_ID.test(id))
        return refuse(out, MSG.stationId);
    setting.setAttribute("stationID", id);
    return STATUS_DONE;
}

// Transmit hang time of the repeater, seconds.
function SetHangTime(setting, attribute, value, out, context) {
    var seconds = toInteger(value);
    if (!inRange(seconds, 0, 50))
        return refuse(out, MSG.hangTime);
    return writeInteger(setting, "rep_hangtime", seconds);
}

// Transmit time left after the low-battery warning, minutes.
function SetLowBatteryTime(setting, attribute, value, out, context) {
    var minutes = toInteger(value);
    if (!inRange(minutes, 0, 255))
        return refuse(out, MSG.lowBatteryTime);
    return writeInteger(setting, "low_battery_tx", minutes);
}

// PLcode124..129: a CTCSS tone in tenths of Hz, 67.0 to 255.0 Hz.
function SetCustomTone(setting, attribute, value, out, context) {
    var tenths = toInteger(value);
    if (!inRange(tenths, 670, 2550))
        return refuse(out, MSG.customTone);
    return writeInteger(setting, attribute.nodeName, tenths);
}

// PLcode214..219: a DCS code, stored as the value of its octal digits
// (octal 023 is stored as 19, octal 777 as 511).
function SetCustomDplCode(setting, attribute, value, out, context) {
    var code = toInteger(value);
    if (!inRange(code, 1, 511))
        return refuse(out, MSG.customDplCode);
    return writeInteger(setting, attribute.nodeName, code);
}

// A feature works from one button only: the radio would not know which
// button's setting applies.
function SetButtonFeature(setting, attribute, value, out, context) {
    var feature = toInteger(value);
    if (!inRange(feature, 0, 15))
        return refuse(out, MSG.invalidValue);
    var button = attribute.nodeName;
    if (feature !== FEATURE_NONE) {
        for (var b = 0; b < BUTTONS.length; b++) {
            if (BUTTONS[b] !== button && intAttribute(setting, BUTTONS[b], FEATURE_NONE) === feature)
                return refuse(out, MSG.featureOnOtherButton);
        }
    }
    return writeInteger(setting, button, feature);
}

// A preset names an enabled channel in use.
function SetPresetChannel(preset, attribute, value, out, context) {
    var index = toInteger(value);
    var channels = section(preset, "channels");
    if (enabledChannels(channels).indexOf(index) < 0)
        return refuse(out, MSG.presetChannel);
    return writeInteger(preset, "channel", index);
}

// ---- Channel list (channels / channel) ------------------------------------------------

function CanAddChannel(channels) {
    return channelsInUse(channels) < channelCapacity(channels);
}

// A new channel copies the last channel in use (so it starts on a valid
// frequency with the same codes) and gets the first free "CHAN n" name. It
// takes the place right after the channels in use; an unused record there
// is replaced, so the list never grows beyond the model's records.
function AddChannel(channels) {
    if (!CanAddChannel(channels))
        return null;
    var count = channelsInUse(channels);
    var channel = count > 0 ? channels.childAt(count - 1).cloneNode(false) : newDefaultChannel(channels);
    channel.setAttribute("name", freeChannelName(channels));
    channel.setAttribute("disable_channel", "0");
    channel.setAttribute("in_scanlist", "0");
    var unused = channels.childAt(count);
    if (unused) {
        channels.insertBefore(channel, unused);
        channels.removeChild(unused);
    } else {
        channels.appendChild(channel);
    }
    setChannelsInUse(channels, count + 1);
    return channel;
}

// A channel for an empty list: simplex on the first frequency, no codes,
// bandwidth and power as that frequency prescribes.
function newDefaultChannel(channels) {
    var channel = channels.createElement("channel");
    var first = section(channels, "frequencies").childAt(0);
    var wide = first ? defaultRuleValue(first, "bandwidth") : 0;
    var high = first ? defaultRuleValue(first, "power_level") : 0;
    var defaults = [
        ["rx_freq_ndx", 0], ["rx_code", 0], ["tx_freq_ndx", 0], ["tx_code", 0],
        ["rx_bw", wide], ["tx_bw", wide], ["talkaround_power", high], ["repeater_power", high],
        ["repeater", 0], ["autoScan", 0], ["scramble_code", 0], ["name", ""],
        ["disable_channel", 0], ["talkaround_scan", 0], ["in_scanlist", 0]
    ];
    for (var i = 0; i < defaults.length; i++)
        channel.setAttribute(defaults[i][0], String(defaults[i][1]));
    return channel;
}

// Called for the channel list (optionally with a row) and for one channel:
// a channel may go as long as an enabled channel in use remains.
function CanDeleteChannel(node, rowIndex) {
    var channels = node.nodeName === "channels" ? node : node.parentNode();
    var index = node.nodeName === "channels" ? toInteger(rowIndex) : channels.indexOf(node);
    if (channelsInUse(channels) <= 1)
        return false;
    if (isNaN(index))
        return true;
    var remaining = enabledChannels(channels).filter(function (i) { return i !== index; });
    return remaining.length > 0;
}

// Deleting a channel that a preset button uses changes that button, so the
// user is asked first. Presets are renumbered to the records that remain.
function DeleteChannel(channel, rowIndex, out, context) {
    var index = toInteger(rowIndex);
    var channels = channel.parentNode();
    var setting = section(channel, "setting");
    if (!CanDeleteChannel(channel))
        return refuse(out, MSG.lastChannel);
    if (toInteger(context) !== ANSWER_YES && presetButtonUsesChannel(setting, index))
        return askFirst(out, MSG.confirmDeletePresetChannel);
    var inUse = channelsInUse(channels);
    channels.removeChild(channel);
    if (index < inUse)
        setChannelsInUse(channels, inUse - 1);
    var presets = setting.selectNodes("dfns:preset");
    for (var p = 0; p < presets.length; p++) {
        var presetChannel = intAttribute(presets[p], "channel", 0);
        if (presetChannel === index)
            presets[p].setAttribute("channel", String(fallbackPresetChannel(channels)));
        else if (presetChannel > index)
            presets[p].setAttribute("channel", String(presetChannel - 1));
    }
    return STATUS_DONE;
}

// ---- RF frequency table (frequencies / frequency) -------------------------------------------

function CanAddFrequency(frequencies) {
    return frequencies.childCount() < MAX_FREQUENCY_RECORDS;
}


// Why a table entry may not hold these values, or 0 when it may. "row" is
// the entry being changed (-1 for a new one), which a duplicate may be.
function frequencyEntryProblem(frequencies, row, freq, bandwidth, powerLevel, compander) {
    if (!inRange(freq, 0, 4294967295) || !inRange(bandwidth, 0, 3) ||
        !inRange(powerLevel, 0, 3) || !inRange(compander, 0, 255))
        return MSG.frequencyProperties;
    if (MURS_FREQUENCIES.indexOf(freq) >= 0)
        return MSG.mursFrequency;
    var limit = section(frequencies, "limit");
    if (freq < intAttribute(limit, "start_freq", 0) || freq > intAttribute(limit, "end_freq", 0))
        return MSG.frequencyOutOfRange;
    var entries = frequencies.childNodes();
    for (var i = 0; i < entries.length; i++) {
        if (i !== row && intAttribute(entries[i], "freq", -1) === freq)
            return MSG.frequencyDuplicate;
    }
    if (bandwidth !== 0 && NARROWBAND_REGIONS.indexOf(modelRegion(frequencies)) >= 0)
        return MSG.wideBandNotAllowed;
    return 0;
}

function setFrequencyAttributes(entry, freq, bandwidth, powerLevel, compander) {
    entry.setAttribute("freq", String(freq));
    entry.setAttribute("bandwidth", String(bandwidth));
    entry.setAttribute("power_level", String(powerLevel));
    entry.setAttribute("compander_lle_mode", String(compander));
}

function updateFrequencyCount(frequencies) {
    section(frequencies, "limit").setAttribute("max_valid_freqs", String(frequencies.childCount()));
}

function AddFrequency(frequencies, freq, bandwidth, powerLevel, compander, out) {
    if (!CanAddFrequency(frequencies))
        return refuse(out, MSG.frequencyTableFull);
    var values = [freq, bandwidth, powerLevel, compander].map(toInteger);
    var problem = frequencyEntryProblem(frequencies, -1, values[0], values[1], values[2], values[3]);
    if (problem)
        return refuse(out, problem);
    var entry = frequencies.createElement("frequency");
    setFrequencyAttributes(entry, values[0], values[1], values[2], values[3]);
    frequencies.appendChild(entry);
    updateFrequencyCount(frequencies);
    return STATUS_DONE;
}

// Channels on a frequency follow its fixed bandwidth and power rules; a
// change of those rules changes the channels, so the user is asked first.
function SetFrequencyRow(frequencies, rowIndex, freq, bandwidth, powerLevel, compander, out, context) {
    var row = toInteger(rowIndex);
    var entry = inRange(row, 0, frequencies.childCount() - 1) ? frequencies.childAt(row) : null;
    if (!entry)
        return refuse(out, MSG.invalidValue);
    var values = [freq, bandwidth, powerLevel, compander].map(toInteger);
    var problem = frequencyEntryProblem(frequencies, row, values[0], values[1], values[2], values[3]);
    if (problem)
        return refuse(out, problem);
    var users = channelsUsingFrequency(section(frequencies, "channels"), row);
    var rulesChange = values[1] !== intAttribute(entry, "bandwidth", -1) ||
                      values[2] !== intAttribute(entry, "power_level", -1);
    if (users.length > 0 && rulesChange && toInteger(context) !== ANSWER_YES)
        return askFirst(out, MSG.confirmChangeUsedFrequency);
    setFrequencyAttributes(entry, values[0], values[1], values[2], values[3]);
    for (var i = 0; i < users.length; i++)
        applyFrequencyRules(users[i], entry, row);
    return STATUS_DONE;
}

// Receive side: rx_bw and talkaround_power; transmit side: tx_bw and
// repeater_power. A selectable rule keeps the channel's own choice.
function applyFrequencyRules(channel, entry, row) {
    var sides = [["rx_freq_ndx", "rx_bw", "talkaround_power"], ["tx_freq_ndx", "tx_bw", "repeater_power"]];
    var bandwidth = fixedRuleValue(entry, "bandwidth");
    var power = fixedRuleValue(entry, "power_level");
    for (var s = 0; s < sides.length; s++) {
        if (intAttribute(channel, sides[s][0], -1) !== row)
            continue;
        if (bandwidth >= 0)
            channel.setAttribute(sides[s][1], String(bandwidth));
        if (power >= 0)
            channel.setAttribute(sides[s][2], String(power));
    }
}

function CanDeleteFrequency(frequencies, rowIndex) {
    if (rowIndex === undefined)
        return frequencies.childCount() > 0;
    var row = toInteger(rowIndex);
    return inRange(row, 0, frequencies.childCount() - 1) &&
           channelsUsingFrequency(section(frequencies, "channels"), row).length === 0;
}

// Channels refer to rows by position, so the rows after a deleted one move
// down by one. Unused channel records on the deleted row fall back to row 0.
function DeleteFrequency(frequency, rowIndex, out, context) {
    var index = toInteger(rowIndex);
    var frequencies = frequency.parentNode();
    var channels = section(frequency, "channels");
    if (channelsUsingFrequency(channels, index).length > 0)
        return refuse(out, MSG.frequencyInUse);
    frequencies.removeChild(frequency);
    var records = channels.childNodes();
    for (var i = 0; i < records.length; i++) {
        ["rx_freq_ndx", "tx_freq_ndx"].forEach(function (name) {
            var row = intAttribute(records[i], name, 0);
            if (row > index)
                records[i].setAttribute(name, String(row - 1));
            else if (row === index)
                records[i].setAttribute(name, "0");
        });
    }
    updateFrequencyCount(frequencies);
    return STATUS_DONE;
}
