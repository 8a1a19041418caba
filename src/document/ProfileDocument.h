#pragma once

#include "model/RadioDataModel.h"
#include "settings/ModelRules.h"

#include <QString>

struct VirtualCP;
struct RadioIdentity;

// One open profile without its window: where it came from (template, file
// or radio image), the profile file format, the save steps and the hand-over
// to the radio link. The desktop document wraps it, and the command-line
// tool uses it directly, so both save the same bytes.
class CProfileDocument
{
public:
    explicit CProfileDocument(VersionRuleSource versionRules = {});

    // Each returns false after showing the message of what went wrong; the
    // document is then not usable.
    bool NewFromTemplate(const QString &templatePath);
    bool NewFromImage(VirtualCP &image);
    bool Open(const QString &path);

    // The save: the range check, then the storing steps, written so that a
    // failure leaves any previous file as it was. False after a message.
    bool Save(const QString &path);
    // The bytes a save would write (after the same storing steps).
    QByteArray StoreToBytes();

    // Replaces the profile by the one made from an image read from a radio.
    bool SetVirtualCPData(VirtualCP &image);
    // Fills image from the profile for writing to the radio described by
    // identity. Returns 1 on success.
    int GetVirtualCPData(VirtualCP &image, const RadioIdentity &identity);

    // The text to save: the loaded limit values put back when "VelaTag" is 1
    // and the limit-saving rule has kept them for this profile.
    QString RecoverXML(const QString &text) const;

    // The rules that run each time the profile is shown anew; false after
    // the message when the channel-frequency range check fails or a rule
    // raised an error.
    bool RunLoadTimeRules();

    CRadioDataModel &model() { return m_model; }
    CDataItem &root() { return m_model.rootItem(); }
    const QString &fileText() const { return m_fileText; }
    const QString &path() const { return m_path; }
    int modelDigit() const { return m_modelDigit; }
    void setModelDigit(int digit) { m_modelDigit = digit; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    SavedLimitValues &savedLimits() { return m_savedLimits; }

private:
    // Loads a template file (isFile) or a profile text; false after the message.
    bool load(const QString &source, bool isFile);
    void takeModelDigit();
    void prepareForStore();

    CRadioDataModel m_model;
    QString m_fileText;
    QString m_path;
    int m_modelDigit = 0;
    bool m_modified = false;
    SavedLimitValues m_savedLimits;
};
