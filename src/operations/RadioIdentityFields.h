#pragma once

#include <QList>
#include <QPair>
#include <QString>

struct RadioIdentity;

// The fields of a radio identity by their profile names ("model",
// "firmware_phase", ..., "password", "maxCodes"), in the order velacps-cli
// identify prints them.
QList<QPair<QString, QString>> radioIdentityFields(const RadioIdentity &identity);
