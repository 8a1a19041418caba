#pragma once

#include "xml/XmlDocument.h"

#include <QJSValue>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class ScriptHost;

// What a hook made of an offered change. Status 0: accepted. Otherwise
// refused: msgId (a string-table id, 0 for none) and style (message-box
// flags) name the message to show. A delete or a frequency-row change may
// answer status 2, asking for confirmation first: the caller asks with that
// message and, on yes, offers the change again with context MsgAnswer::Yes.
struct HookVerdict {
    int status = 0;
    int msgId = 0;
    int style = 0;
    bool accepted() const { return status == 0; }
    bool needsConfirmation() const { return status == 2; }
};

// One row of the RF frequency table as an editor offers it.
struct FrequencyRow {
    int index = -1; // the row changed; not used for a new row
    quint32 frequency = 0;
    unsigned bandwidth = 0;
    unsigned powerLevel = 0;
    unsigned compander = 0;
};

// The only way the rest of the program reads and changes a profile: one
// element of the model's main document, plus the model's script host so
// that changes are first offered to the hook that the schema names for them.
//
// Items are small values that share the node and the host; an item taken
// before a reload of the profile refers to the discarded document and must
// be taken again.
class CDataItem {
public:
    CDataItem() = default;
    CDataItem(const XmlNode &node, std::shared_ptr<ScriptHost> script);

    bool isEmpty() const { return m_node.isNull(); }
    const XmlNode &node() const { return m_node; }
    QString name() const { return m_node.localName(); }

    // The first child element with that local name in the profile
    // namespace; code 132 when there is none.
    CDataItem &GetChildByName(const QString &name, CDataItem &result) const;
    // Children are elements only: comments (and any other nodes) between
    // them count nowhere, as the hook script does not see them either.
    // The child at index; an empty item past the end.
    CDataItem &GetChildByIndex(int index, CDataItem &result) const;
    int GetChildCount() const;
    // This element's index among its parent's child elements.
    int GetIndexInParent() const;

    // The attribute's typed value: a 32-bit signed integer, boolean or 32-bit
    // unsigned integer when its schema type derives from "long", "boolean"
    // or "unsignedLong"; otherwise the document's value. Code 133 when the
    // attribute does not exist.
    QVariant GetAttributeValue(const QString &name) const;
    // Changes of the profile. Each is offered to the hook that the schema
    // names for it; without a hook, SetAttributeValue writes the value and
    // RemoveChildByIndex removes the child directly (accepted), while
    // AddFrequency and SetFreqAttributeValue refuse (status 1). Code 133
    // when the attribute or child does not exist, 131 when the hook fails.
    // These do not mark the profile modified nor record an undo step: edits
    // go through the document, which does.
    HookVerdict SetAttributeValue(const QString &name, const QVariant &value, int context = 0);
    bool CanAddChild() const;
    // Fills result with the child the OnAddNew hook created; false (result
    // emptied) when there is no hook or it returned no node.
    bool AddNewChild(CDataItem &result);
    HookVerdict RemoveChildByIndex(int index, int context = 0);
    bool CanDeleteChild() const;
    bool CanDeleteFrequency(unsigned index) const;
    HookVerdict AddFrequency(const FrequencyRow &row);
    HookVerdict SetFreqAttributeValue(const FrequencyRow &row, int context = 0);

    // The name of the function that the declaration of node names for a hook
    // kind ("SetVal", "OnAddNew", ...), from its schema annotation.
    bool GetScriptHandler(const XmlNode &node, const QString &kind, QString &functionName) const;

    // Fills empty channel names of a profile text with "CHAN %u".
    static void ProcessChannelName(QString &text);

    // On the root item: copies every channel's receive settings to its
    // transmit settings, without hooks.
    void CopyReceiveToTransmit();
    // On the root item: sets sub_region of factory_setting to 2.
    void StampSubRegion();

private:
    // What a hook call returned, read while its node wrappers still live.
    struct HookReply {
        bool hooked = false; // the declaration names a hook of the kind
        HookVerdict verdict; // the result as a status, and the outputs
        bool answer = false; // the result as a boolean
        XmlNode node; // the result as a node
    };
    using HookArguments = std::function<QJSValueList(const QJSValue &outputs)>;

    // Calls the hook of kind that the declaration of declared names, with
    // the arguments made around the outputs object. A failed call (the
    // script error already shown) raises code 131 with failureDetail().
    HookReply callHook(const char *operation, const XmlNode &declared, const char *kind,
        const HookArguments &arguments, const std::function<QString()> &failureDetail) const;
    // The answer of a yes-or-no hook of this element; false without one.
    bool answerOf(const char *operation, const char *kind, const QJSValueList &moreArguments) const;
    XmlNode requiredAttribute(const char *operation, const QString &name) const;
    QJSValue wrap(const XmlNode &node) const;
    // Writes value without hooks: booleans as "1"/"0", anything else as text.
    static void writeDirectly(XmlNode &element, const QString &name, const QVariant &value);

    XmlNode m_node;
    std::shared_ptr<ScriptHost> m_script;
};
