#include "DataItem.h"

#include "base/ProfileNamespaces.h"
#include "ScriptHost.h"
#include "base/VelaException.h"

#include <QSet>

#include <algorithm>

namespace {

const QString kProfileNs = QString::fromLatin1(vela::kProfileNamespace);

// Runs body and turns an error of the XML layer into the data item's error.
template<typename F>
auto guard(const char *operation, int position, F body) -> decltype(body())
{
    try {
        return body();
    } catch (const XmlError &error) {
        throw CVelaCPSException(VelaError::Unknown,
                                libraryErrorDetail(error.message, error.description, error.source), operation,
                                position, QStringLiteral("XML error"));
    }
}

[[noreturn]] void hookFailed(const char *operation, int position, const QString &text)
{
    throw CVelaCPSException(VelaError::Unknown, text, operation, position, QStringLiteral("Invoke script failed"));
}

bool isBuiltInIntegerType(const QString &type)
{
    static const QSet<QString> kIntegers = {
        QStringLiteral("integer"),        QStringLiteral("int"),           QStringLiteral("short"),
        QStringLiteral("byte"),           QStringLiteral("unsignedInt"),   QStringLiteral("unsignedShort"),
        QStringLiteral("unsignedByte"),   QStringLiteral("nonNegativeInteger"),
        QStringLiteral("positiveInteger"), QStringLiteral("nonPositiveInteger"),
        QStringLiteral("negativeInteger"),
    };
    return kIntegers.contains(type);
}

// The value under the attribute's schema type, by the rule of the last
// built-in type of its derivation chain.
QVariant typedValue(const QString &text, const QString &builtInType)
{
    const QString trimmed = text.trimmed();
    if (builtInType == QLatin1String("long"))
        return QVariant::fromValue(qint32(trimmed.toLongLong()));
    if (builtInType == QLatin1String("unsignedLong"))
        return QVariant::fromValue(quint32(trimmed.toULongLong()));
    if (builtInType == QLatin1String("boolean"))
        return QVariant(trimmed == QLatin1String("true") || trimmed == QLatin1String("1"));
    if (isBuiltInIntegerType(builtInType))
        return QVariant::fromValue(trimmed.toLongLong());
    if (builtInType == QLatin1String("decimal") || builtInType == QLatin1String("double")
        || builtInType == QLatin1String("float"))
        return QVariant(trimmed.toDouble());
    return QVariant(text);
}

QString variantText(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    if (value.typeId() == QMetaType::Double) {
        const double number = value.toDouble();
        if (number == double(qint64(number)))
            return QString::number(qint64(number));
    }
    return value.toString();
}

} // namespace

CDataItem::CDataItem(const XmlNode &node, std::shared_ptr<ScriptHost> script)
    : m_node(node)
    , m_script(std::move(script))
{
}

CDataItem &CDataItem::GetChildByName(const QString &name, CDataItem &result) const
{
    const XmlNode child = guard("CDataItem::GetChildByName", __LINE__,
                                [&] { return m_node.selectSingleNode(QStringLiteral("dfns:") + name); });
    if (child.isNull())
        throw CVelaCPSException(VelaError::NoSuchChild, QStringLiteral("Name='%1'").arg(name),
                                "CDataItem::GetChildByName", __LINE__, QStringLiteral("no such child"));
    result = CDataItem(child, m_script);
    return result;
}

CDataItem &CDataItem::GetChildByIndex(int index, CDataItem &result) const
{
    result = CDataItem(m_node.childAt(index), m_script);
    if (result.isEmpty())
        result.m_script.reset();
    return result;
}

int CDataItem::GetChildCount() const
{
    return m_node.childCount();
}

QVariant CDataItem::GetAttributeValue(const QString &name) const
{
    return guard("CDataItem::GetAttributeValue", __LINE__, [&] {
        const XmlNode attribute = m_node.attributeNode(name);
        if (attribute.isNull())
            throw CVelaCPSException(VelaError::NoSuchAttribute, QStringLiteral("Name='%1'").arg(name),
                                    "CDataItem::GetAttributeValue", __LINE__, QStringLiteral("no such attribute"));
        QString builtInType;
        if (const auto schemas = m_node.ownerDocument().schemas()) {
            const XmlSchemaDeclaration declaration = schemas->declarationOf(attribute);
            if (!declaration.typeChain.isEmpty())
                builtInType = declaration.typeChain.last();
        }
        return typedValue(attribute.text(), builtInType);
    });
}

int CDataItem::SetAttributeValue(const QString &name, const QVariant &value)
{
    int msgId = 0, style = 0;
    return SetAttributeValue(name, value, msgId, 0, style);
}

int CDataItem::SetAttributeValue(const QString &name, const QVariant &value, int &msgId, int context, int &style)
{
    msgId = 0;
    style = 0;
    const ScriptHost::Scope scope(m_script.get());
    return guard("CDataItem::SetAttributeValue", __LINE__, [&] {
        const XmlNode attribute = m_node.attributeNode(name);
        if (attribute.isNull())
            throw CVelaCPSException(VelaError::NoSuchAttribute, QStringLiteral("Name='%1'").arg(name),
                                    "CDataItem::SetAttributeValue", __LINE__, QStringLiteral("no such attribute"));
        QString function;
        if (!GetScriptHandler(attribute, QStringLiteral("SetVal"), function)) {
            writeDirectly(m_node, name, value);
            return 0;
        }
        QJSValue out = newOutputs();
        QJSValue result;
        const QJSValueList args {wrap(m_node), wrap(attribute), m_script->engine().toScriptValue(value), out,
                                 QJSValue(context)};
        if (!callHook(function, args, result))
            hookFailed("CDataItem::SetAttributeValue", __LINE__,
                       QStringLiteral("Invoke script function failed\nfunction name=SetAttributeValue,Node=%1 "
                                      "Attribute=%2 Value=%3")
                           .arg(m_node.nodeName(), name, variantText(value)));
        msgId = out.property(QStringLiteral("msgId")).toInt();
        style = out.property(QStringLiteral("style")).toInt();
        return result.toInt();
    });
}

bool CDataItem::CanAddChild() const
{
    const ScriptHost::Scope scope(m_script.get());
    return guard("CDataItem::CanAddChild", __LINE__, [&] {
        QString function;
        if (!GetScriptHandler(m_node, QStringLiteral("CanAddChild"), function))
            return false;
        QJSValue result;
        if (!callHook(function, {wrap(m_node)}, result))
            hookFailed("CDataItem::CanAddChild", __LINE__,
                       QStringLiteral("Invoke script function failed\nfunction name=CanAddChild,Node=%1")
                           .arg(m_node.nodeName()));
        return result.toBool();
    });
}

bool CDataItem::AddNewChild(CDataItem &result)
{
    result = CDataItem();
    const ScriptHost::Scope scope(m_script.get());
    return guard("CDataItem::AddNewChild", __LINE__, [&] {
        QString function;
        if (!GetScriptHandler(m_node, QStringLiteral("OnAddNew"), function))
            return false;
        QJSValue created;
        if (!callHook(function, {wrap(m_node)}, created))
            hookFailed("CDataItem::AddNewChild", __LINE__,
                       QStringLiteral("Invoke script function failed\nfunction name=OnAddNew,Node=%1")
                           .arg(m_node.nodeName()));
        const XmlNode node = ScriptHost::unwrap(created);
        if (node.isNull())
            return false;
        result = CDataItem(node, m_script);
        return true;
    });
}

int CDataItem::RemoveChildByIndex(int index, int &msgId, int context, int &style)
{
    msgId = 0;
    style = 0;
    const ScriptHost::Scope scope(m_script.get());
    return guard("CDataItem::RemoveChildByIndex", __LINE__, [&] {
        const XmlNode child = m_node.childAt(index);
        if (child.isNull())
            throw CVelaCPSException(VelaError::NoSuchAttribute, QStringLiteral("Index='%1'").arg(index),
                                    "CDataItem::RemoveChildByIndex", __LINE__, QStringLiteral("no such child"));
        QString function;
        if (!GetScriptHandler(child, QStringLiteral("OnDelete"), function)) {
            m_node.removeChild(child);
            return 0;
        }
        QJSValue out = newOutputs();
        QJSValue result;
        if (!callHook(function, {wrap(child), QJSValue(index), out, QJSValue(context)}, result))
            hookFailed("CDataItem::RemoveChildByIndex", __LINE__,
                       QStringLiteral("Invoke script function failed\nfunction name=OnDelete,Node=%1")
                           .arg(child.nodeName()));
        msgId = out.property(QStringLiteral("msgId")).toInt();
        style = out.property(QStringLiteral("style")).toInt();
        return result.toInt();
    });
}

bool CDataItem::CanDeleteChild() const
{
    const ScriptHost::Scope scope(m_script.get());
    return guard("CDataItem::CanDeleteChild", __LINE__, [&] {
        QString function;
        if (!GetScriptHandler(m_node, QStringLiteral("CanDeleteChild"), function))
            return false;
        QJSValue result;
        if (!callHook(function, {wrap(m_node)}, result))
            hookFailed("CDataItem::CanDeleteChild", __LINE__,
                       QStringLiteral("Invoke script function failed\nfunction name=CanDeleteChild,Node=%1")
                           .arg(m_node.nodeName()));
        return result.toBool();
    });
}

bool CDataItem::CanDeleteFrequency(unsigned index) const
{
    const ScriptHost::Scope scope(m_script.get());
    return guard("CDataItem::CanDeleteFrequency", __LINE__, [&] {
        QString function;
        if (!GetScriptHandler(m_node, QStringLiteral("CanDeleteChild"), function))
            return false;
        QJSValue result;
        if (!callHook(function, {wrap(m_node), QJSValue(index)}, result))
            hookFailed("CDataItem::CanDeleteFrequency", __LINE__,
                       QStringLiteral("Invoke script function failed\nfunction name=CanDeleteChild,Node=%1")
                           .arg(m_node.nodeName()));
        return result.toBool();
    });
}

bool CDataItem::AddFrequency(quint32 frequency, unsigned bandwidth, unsigned powerLevel, unsigned compander,
                             int &msgId, int &style)
{
    const ScriptHost::Scope scope(m_script.get());
    return guard("CDataItem::AddFrequency", __LINE__, [&] {
        QString function;
        if (!GetScriptHandler(m_node, QStringLiteral("OnAddNewFrequency"), function))
            return false;
        QJSValue out = newOutputs();
        QJSValue result;
        const QJSValueList args {wrap(m_node),      QJSValue(double(frequency)), QJSValue(bandwidth),
                                 QJSValue(powerLevel), QJSValue(compander),        out};
        if (!callHook(function, args, result))
            hookFailed("CDataItem::AddFrequency", __LINE__, QStringLiteral("Error: AddFrequency"));
        msgId = out.property(QStringLiteral("msgId")).toInt();
        style = out.property(QStringLiteral("style")).toInt();
        return result.toInt() == 0;
    });
}

int CDataItem::SetFreqAttributeValue(const QVariant &v1, const QVariant &v2, const QVariant &v3, const QVariant &v4,
                                     const QVariant &v5, int &msgId, int &style, int context)
{
    msgId = 0;
    style = 0;
    const ScriptHost::Scope scope(m_script.get());
    return guard("CDataItem::SetFreqAttributeValue", __LINE__, [&] {
        QString function;
        if (!GetScriptHandler(m_node, QStringLiteral("SetFreqAttr"), function))
            return 1;
        QJSEngine &engine = m_script->engine();
        QJSValue out = newOutputs();
        QJSValue result;
        const QJSValueList args {wrap(m_node),
                                 engine.toScriptValue(v1),
                                 engine.toScriptValue(v2),
                                 engine.toScriptValue(v3),
                                 engine.toScriptValue(v4),
                                 engine.toScriptValue(v5),
                                 out,
                                 QJSValue(context)};
        if (!callHook(function, args, result))
            hookFailed("CDataItem::SetFreqAttributeValue", __LINE__,
                       QStringLiteral("Invoke script function failed\nfunction name=SetFreqAttributeValue,Node=%1")
                           .arg(m_node.nodeName()));
        msgId = out.property(QStringLiteral("msgId")).toInt();
        style = out.property(QStringLiteral("style")).toInt();
        return result.toInt();
    });
}

bool CDataItem::GetScriptHandler(const XmlNode &node, const QString &kind, QString &functionName) const
{
    const auto schemas = node.ownerDocument().schemas();
    if (!schemas)
        return false;
    const XmlSchemaDeclaration declaration = schemas->declarationOf(node);
    if (declaration.annotationXml.isEmpty())
        return false;
    XmlDocument annotation;
    annotation.setNamespace(QStringLiteral("scps"), QString::fromLatin1(vela::kSchemaExtensionNamespace));
    if (!annotation.loadXml(declaration.annotationXml))
        return false;
    const XmlNode extension = annotation.selectSingleNode(QStringLiteral("//scps:SchemaExtension"));
    if (extension.isNull())
        return false;
    const auto name = extension.attribute(kind);
    if (!name)
        return false;
    functionName = *name;
    return true;
}

void CDataItem::ProcessChannelName(QString &text)
{
    XmlDocument document;
    document.setNamespace(QStringLiteral("dfns"), kProfileNs);
    if (!document.loadXml(text))
        throw CVelaCPSException(VelaError::InvalidProfile, document.parseError().reason,
                                "CDataItem::ProcessChannelName", __LINE__, QStringLiteral("parse failed"));
    guard("CDataItem::ProcessChannelName", __LINE__, [&] {
        const XmlNode channels = document.documentElement().selectSingleNode(QStringLiteral("//dfns:channels"));
        const QList<XmlNode> list = channels.isNull() ? QList<XmlNode>() : channels.childNodes();
        unsigned counter = 1;
        for (XmlNode channel : list) {
            if (!channel.attributeOr(QStringLiteral("name")).isEmpty())
                continue;
            // The counter runs on across channels, skipping every name taken
            // by any channel, including names filled earlier in this pass.
            QString candidate;
            bool taken = true;
            while (taken) {
                candidate = QStringLiteral("CHAN %1").arg(counter++);
                taken = std::any_of(list.begin(), list.end(), [&](const XmlNode &other) {
                    return other.attributeOr(QStringLiteral("name")) == candidate;
                });
            }
            channel.setAttribute(QStringLiteral("name"), candidate);
        }
    });
    text = document.xml();
}

void CDataItem::CopyReceiveToTransmit()
{
    guard("CDataItem::CopyReceiveToTransmit", __LINE__, [&] {
        static const std::pair<const char *, const char *> kPairs[] = {
            {"tx_code", "rx_code"}, {"tx_freq_ndx", "rx_freq_ndx"}, {"tx_bw", "rx_bw"}};
        for (const XmlNode &channel : m_node.selectNodes(QStringLiteral("//dfns:channels/*"))) {
            const CDataItem item(channel, m_script);
            for (const auto &[to, from] : kPairs) {
                XmlNode element = channel;
                writeDirectly(element, QLatin1String(to), item.GetAttributeValue(QLatin1String(from)));
            }
        }
    });
}

void CDataItem::StampSubRegion()
{
    guard("CDataItem::StampSubRegion", __LINE__, [&] {
        XmlNode factory = m_node.selectSingleNode(QStringLiteral("//dfns:factory_setting"));
        if (factory.isNull())
            throw CVelaCPSException(VelaError::NoSuchChild, QStringLiteral("Name='factory_setting'"),
                                    "CDataItem::StampSubRegion", __LINE__, QStringLiteral("no such child"));
        factory.setAttribute(QStringLiteral("sub_region"), QStringLiteral("2"));
    });
}

bool CDataItem::callHook(const QString &function, const QJSValueList &args, QJSValue &result) const
{
    return m_script && m_script->call(function, args, result);
}

QJSValue CDataItem::newOutputs() const
{
    QJSValue out = m_script->engine().newObject();
    out.setProperty(QStringLiteral("msgId"), 0);
    out.setProperty(QStringLiteral("style"), 0);
    return out;
}

QJSValue CDataItem::wrap(const XmlNode &node) const
{
    return m_script->wrap(node);
}

void CDataItem::writeDirectly(XmlNode &element, const QString &name, const QVariant &value)
{
    element.setAttribute(name, variantText(value));
}
