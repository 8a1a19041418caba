#pragma once

// Fields of a profile named as the field catalogue names them, elements
// counted from 1 as the profile tree counts them: "channel[3].name",
// "setting.powerupString", "preset[2].channel". Two more names stand for a
// channel's frequencies in MHz: "channel[N].rx" and "channel[N].tx", which
// choose that frequency's row of the RF frequency table. The password is
// set as the pair "setting.password" and "setting.passwordConfirm".
//
// Reading lists every field a profile holds; an assignment goes through
// the profile command of the dealer action it stands for, so it meets the
// same rules, refusals and questions as the desktop program.

#include "CommandVerdict.h"
#include "codeplug/ProfileFields.h"

#include <QList>
#include <QPair>
#include <QString>

#include <optional>

class CDataItem;
class CProfileDocument;

struct FieldAssignment {
    QString name; // as written, without the value
    const codeplug::ProfileField *field = nullptr; // null for rx, tx and passwordConfirm
    QString attribute; // rx_freq_ndx, rx, tx, passwordConfirm, ...
    int record = 0; // 0-based index of the channel, frequency or preset
    QString value;
};

// "name=value" parsed; nothing, with error set, when the name is no field.
std::optional<FieldAssignment> parseAssignment(const QString &text, QString &error);

// Every field of the profile as (name, stored value), in the order of the
// profile text, with each channel's rx and tx in MHz after its fields.
QList<QPair<QString, QString>> profileFieldValues(const CDataItem &root);

// A frequency in Hz as the field names give it in MHz ("151.625").
QString megahertzValue(qint64 hertz);

// Applies the assignments in order as one undo step, all or nothing: the
// first refusal or declined question undoes what went before and is the
// verdict. Questions go to ask.
CommandVerdict applyAssignments(
    CProfileDocument &document, const QList<FieldAssignment> &assignments, const CommandAsker &ask);
