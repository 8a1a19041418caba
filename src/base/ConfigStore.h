#pragma once

#include <QString>
#include <QStringList>

// The configuration store: installation facts written by the installer (the
// machine file) and the user's preferences (the user file), both INI files
// of organisation "Halvern", application "Vela LX Dealer CPS".
//
// Machine file: the first "$XDG_CONFIG_DIRS/Halvern/Vela LX Dealer CPS.ini"
// that exists (default /etc/xdg), else the one in ../etc/xdg beside the
// running program (a build-tree run). User file: under $XDG_CONFIG_HOME
// (default ~/.config). User reads never fall back to machine values.
//
// A missing number reads as -1, a missing string as empty; setters answer
// false when the value could not be stored. Every call reads the files
// afresh, so several running copies see each other's changes.
class CConfigStore {
public:
    // Makes the user store usable and copies the machine defaults a first run
    // needs: current language, context-help switch and the dealer
    // information of the current language. Shows "Fatal settings error, the
    // application will be closed!" and answers false when the user store
    // cannot be written or a needed default is missing.
    static bool prepare();

    static QString installPath();
    // A file of the install directory: install path / folder / file name;
    // empty when the install path is not configured.
    static QString installFilePath(const QString &folder, const QString &fileName);

    static QString defaultLanguage();
    static QString currentLanguage();
    static bool setCurrentLanguage(const QString &name);

    // The user's help-pane switch and the machine default, or -1.
    static int contextHelpSwitch();
    static int contextHelpDefault();
    static bool setContextHelpSwitch(bool show);
    static bool contextHelpShown();

    // Machine "VelaTag" is 1: the model rules keep the limit values a profile
    // was loaded with, and saving puts them back.
    static bool limitSavingRuleEnabled();

    // Install path joined with the language's "HelpFileName"; empty when the
    // language is empty or either value is missing.
    static QString helpFilePath(const QString &language);
    // Install path joined with the "GUIResource" of the user's current
    // language (or of language); empty when any of them is missing.
    static QString resourceFilePath();
    static QString resourceFilePath(const QString &language);

    // The user's three dealer texts of language. The outputs are emptied
    // first; false when the language is empty or any of the three is missing.
    static bool dealerInfo(const QString &language, QString &left, QString &right, QString &middle);
    static bool setDealerInfo(
        const QString &language, const QString &left, const QString &right, const QString &middle);

    // Decimal separator of the language's locale; "." for a language without
    // one.
    static QString decimalSeparator(const QString &language);

    // -1 when the supported list is English alone, 1 when name is in it,
    // 0 otherwise.
    static int languageAvailability(const QStringList &supported, const QString &name);

    // The cable device of the radio link ("usb": the programming cable found
    // by its description; otherwise a serial device path).
    static QString cablePort();
    static bool setCablePort(const QString &port);

    // Whether every write backs up the radio first ("RadioBackups", on
    // unless "0").
    static bool radioBackupsEnabled();
    static bool setRadioBackupsEnabled(bool enabled);
    // Whether a write of a profile of the radio's own model shows its
    // changes first ("ReviewSameModelWrites", on unless "0").
    static bool sameModelWriteReviewed();
    static bool setSameModelWriteReviewed(bool reviewed);

    // Where the two files are looked for (the machine file may not exist).
    static QString machineFilePath();
    static QString userFilePath();
};
