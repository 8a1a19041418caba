#pragma once

#include "ProfileEdit.h"
#include "model/RadioDataModel.h"
#include "settings/ModelRules.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>

struct VirtualCP;
struct RadioIdentity;

// One open profile without its window: where it came from (template, file
// or radio image), the one path every edit takes, with undo and redo, the
// profile file format, the save steps and the hand-over to the radio link.
// The desktop document wraps it, and the command-line tool uses it
// directly, so both save the same bytes.
class CProfileDocument : public QObject {
    Q_OBJECT

public:
    explicit CProfileDocument(VersionRuleSource versionRules = {}, QObject *parent = nullptr);
    ~CProfileDocument() override;

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

    // Replaces the profile by the one made from an image read from a radio:
    // one undo step, and the document is modified.
    bool SetVirtualCPData(VirtualCP &image);
    // Fills image from the profile for writing to the radio described by
    // identity. Returns 1 on success. The profile is left as it is.
    int GetVirtualCPData(VirtualCP &image, const RadioIdentity &identity);

    // The text to save: the loaded limit values put back when "VelaTag" is 1
    // and the limit-saving rule has kept them for this profile.
    QString RecoverXML(const QString &text) const;

    // Every load (template, file, radio image) ends with the load-time
    // rules, through the edit path but as part of the load: they are no
    // undo steps and do not mark the document modified. False when, after
    // them, the channel-frequency range check failed or a rule raised an
    // error (the message was shown): such a profile is shown and edited,
    // but not written to a radio.
    bool loadTimeRulesPassed() const { return m_loadTimeRulesPassed; }
    // Off: the loads keep the profile exactly as stored, for callers that
    // examine the stored profile itself (the version conversions' checks).
    void setLoadTimeRulesEnabled(bool enabled) { m_loadTimeRulesEnabled = enabled; }

    // The one way an edit changes the profile. The change is offered to its
    // hook; an accepted one (status 0) marks the document modified, becomes
    // one undo step named undoText and is announced by changed(). A refused
    // one changes nothing here: the caller shows verdict.msgId with
    // verdict.style when msgId is not 0. Data item errors (CVelaCPSException)
    // pass to the caller.
    HookVerdict setAttribute(CDataItem &item, const QString &attribute, const QVariant &value,
        const QString &undoText, int context = 0);
    AddedChild addChild(CDataItem &parent, const QString &undoText);
    // Status 2: the hook asks for confirmation; the caller asks and, on yes,
    // calls again with context MsgAnswer::Yes. Likewise setFrequency.
    HookVerdict removeChild(CDataItem &parent, int index, const QString &undoText, int context = 0);
    HookVerdict addFrequency(CDataItem &frequencies, const FrequencyRow &row, const QString &undoText);
    HookVerdict setFrequency(
        CDataItem &frequencies, const FrequencyRow &row, const QString &undoText, int context = 0);

    // Several edits as one undo step: CEditGroup (EditGroup.h).

    // Undo and redo put back the whole profile as it was before and after
    // the step, announced as changed(Reloaded).
    QUndoStack *undoStack() { return &m_undoStack; }

    CRadioDataModel &model() { return m_model; }
    CDataItem &root() { return m_model.rootItem(); }
    const QString &fileText() const { return m_fileText; }
    const QString &path() const { return m_path; }
    // The power class, character 4 of the model code as a number, taken at
    // every load; after a radio read replaced the profile, the caller sets
    // it from the radio's identity.
    int powerClass() const { return m_powerClass; }
    void setPowerClass(int powerClass) { m_powerClass = powerClass; }
    // Modified until saved; undoing back to the saved state makes it
    // unmodified again.
    bool isModified() const { return !m_undoStack.isClean(); }
    void setModified(bool modified);
    SavedLimitValues &savedLimits() { return m_savedLimits; }

signals:
    void changed(const ProfileChange &change);
    void modifiedChanged(bool modified);

private:
    friend class ProfileTextStep;
    friend class CEditGroup;

    // Loads a template file (isFile) or a profile text; false after the message.
    bool load(const QString &source, bool isFile);
    // What every load ends with; its messages go to the reporter.
    void loaded();
    bool runLoadTimeRules();
    void takePowerClass();
    void prepareForStore();
    // The edit path: edit() offers the change; an accepted one is recorded
    // (outside the load-time rules) and announced as describe() tells.
    HookVerdict applyEdit(const QString &undoText, const std::function<HookVerdict()> &edit,
        const std::function<ProfileChange()> &describe);
    // The edit path for the rules run while the profile is shown.
    ModelRules::AttributeWriter ruleWriter();
    // Records the profile text after that replaced the text before as one
    // undo step.
    void recordReplacement(const QString &before, QString after, const QString &undoText);
    // Puts back a profile text kept by an undo step.
    void restore(const QString &text);
    // Runs body as part of showing the profile: no undo steps, the modified
    // flag as it was.
    void withoutUndo(const std::function<void()> &body);

    CRadioDataModel m_model;
    QString m_fileText;
    QString m_path;
    int m_powerClass = 0;
    SavedLimitValues m_savedLimits;
    QUndoStack m_undoStack;
    bool m_recording = true;
    bool m_loadTimeRulesPassed = false;
    bool m_loadTimeRulesEnabled = true;
    // What the open edit groups (CEditGroup) have seen.
    struct GroupState {
        int depth = 0;
        QString before; // the outermost group's profile text, while it records a step
        bool accepted = false; // an edit was accepted
        bool changed = false; // an edit changed the profile
    } m_group;
};
