#pragma once

#include "xml/XmlDocument.h"

#include <QJSValue>
#include <QString>
#include <QVariant>

#include <memory>

class ScriptHost;

// The only way the rest of the program reads and changes a profile: one
// element of the model's main document, plus the model's script host so
// that changes are first offered to the hook that the schema names for them.
//
// Items are small values that share the node and the host; an item taken
// before a reload of the profile refers to the discarded document and must
// be taken again.
class CDataItem
{
public:
    CDataItem() = default;
    CDataItem(const XmlNode &node, std::shared_ptr<ScriptHost> script);

    bool isEmpty() const { return m_node.isNull(); }
    const XmlNode &node() const { return m_node; }
    QString name() const { return m_node.localName(); }

    // The first child element with that local name in the profile
    // namespace; code 132 when there is none.
    CDataItem &GetChildByName(const QString &name, CDataItem &result) const;
    // The child at index; an empty item past the end.
    CDataItem &GetChildByIndex(int index, CDataItem &result) const;
    int GetChildCount() const;

    // The attribute's typed value: a 32-bit signed integer, boolean or 32-bit
    // unsigned integer when its schema type derives from "long", "boolean"
    // or "unsignedLong"; otherwise the document's value. Code 133 when the
    // attribute does not exist.
    QVariant GetAttributeValue(const QString &name) const;
    // Offers value to the attribute's SetVal hook or writes it directly.
    // Returns the status: 0 done, 1 refused with msgId's text, else refused.
    int SetAttributeValue(const QString &name, const QVariant &value, int &msgId, int context, int &style);
    // The same without caring for the message outputs.
    int SetAttributeValue(const QString &name, const QVariant &value);

    bool CanAddChild() const;
    // Fills result with the child the OnAddNew hook created; false (result
    // emptied) when there is no hook or it returned no node.
    bool AddNewChild(CDataItem &result);
    // Status 0 removed, 2 the hook asks for confirmation (call again with
    // context 6 for yes), other values refused.
    int RemoveChildByIndex(int index, int &msgId, int context, int &style);
    bool CanDeleteChild() const;
    bool CanDeleteFrequency(unsigned index) const;
    bool AddFrequency(quint32 frequency, unsigned bandwidth, unsigned powerLevel, unsigned compander, int &msgId,
                      int &style);
    int SetFreqAttributeValue(const QVariant &v1, const QVariant &v2, const QVariant &v3, const QVariant &v4,
                              const QVariant &v5, int &msgId, int &style, int context);

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
    // Calls a hook; false after a script error (already shown).
    bool callHook(const QString &function, const QJSValueList &args, QJSValue &result) const;
    QJSValue newOutputs() const;
    QJSValue wrap(const XmlNode &node) const;
    // Writes value without hooks: booleans as "1"/"0", anything else as text.
    static void writeDirectly(XmlNode &element, const QString &name, const QVariant &value);

    XmlNode m_node;
    std::shared_ptr<ScriptHost> m_script;
};
