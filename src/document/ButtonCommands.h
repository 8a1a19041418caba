#pragma once

// The dealer's actions on the programmable buttons: a feature for one
// button, where each feature may be held by one button only, and the reset
// of every button to its default. Each is one undo step.

#include "ButtonFeatureList.h"
#include "CommandVerdict.h"
#include "model/DataItem.h"

#include <QStringList>

class CProfileDocument;

class CButtonCommands {
public:
    // The buttons' attributes of "setting": the side buttons, then A, B, C.
    static const QStringList &buttons();

    // ask answers the commands' questions; without one, every question is
    // answered No.
    explicit CButtonCommands(CProfileDocument &document, CommandAsker ask = {});

    // The limit values of the profile, as the feature lists read them.
    CButtonFeatureList::LimitReader limitReader() const;
    // The first of candidates (button attributes) that holds feature; empty
    // when none does. A feature's setting is shown beside that button.
    QString holderOf(int feature, const QStringList &candidates) const;

    CommandVerdict setFeature(const QString &button, int feature);
    // After the dealer agrees: every button's default feature, call tone
    // "OFF", scramble button "Selectable", and the presets on the first two
    // enabled channels.
    CommandVerdict resetButtons(const CButtonFeatureList &features);

private:
    // Writes value when it differs; a refusal is kept as a warning.
    void writeIfDifferent(CDataItem item, const QString &attribute, int value, const QString &refusal);

    CProfileDocument &m_document;
    CommandAsker m_ask;
    CommandVerdict m_verdict;
};
