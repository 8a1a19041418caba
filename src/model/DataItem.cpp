#include "DataItem.h"

#include "ScriptHost.h"
#include "base/ProfileNamespaces.h"
#include "base/VelaException.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <mutex>

namespace {

const QString kProfileNs = QString::fromLatin1(vela::kProfileNamespace);

// Runs body and turns an error of the XML layer into the data item's error.
template <typename F> auto guard(const char *operation, int position, F body) -> decltype(body())
{
    try {
        return body();
    } catch (const XmlError &error) {
        throw CVelaCPSException(VelaError::Unknown,
            libraryErrorDetail(error.message, error.description, error.source), operation, position,
            QStringLiteral("XML error"));
    }
}

// The detail of a failed hook call on node.
QString invokeFailure(const char *label, const XmlNode &node)
{
    return QStringLiteral("Invoke script function failed\nfunction name=%1,Node=%2")
        .arg(QLatin1String(label), node.nodeName());
}

bool isBuiltInIntegerType(const QString &type)
{
    static const QSet<QString> kIntegers = {
        QStringLiteral("integer"),
        QStringLiteral("int"),
        QStringLiteral("short"),
        QStringLiteral("byte"),
        QStringLiteral("unsignedInt"),
        QStringLiteral("unsignedShort"),
        QStringLiteral("unsignedByte"),
        QStringLiteral("nonNegativeInteger"),
        QStringLiteral("positiveInteger"),
        QStringLiteral("nonPositiveInteger"),
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

// The hook functions a declaration's annotation names, by kind ("SetVal",
// "OnDelete", ...). Every change of a profile asks for them, and the
// annotations are few and never change: each is read once.
QHash<QString, QString> ScriptHandlersOf(const QString &annotationXml)
{
    static std::mutex lock;
    static QHash<QString, QHash<QString, QString>> known;
    const std::lock_guard locked(lock);
    const auto found = known.constFind(annotationXml);
    if (found != known.constEnd())
        return *found;
    QHash<QString, QString> handlers;
    XmlDocument annotation;
    annotation.setNamespace(QStringLiteral("scps"), QString::fromLatin1(vela::kSchemaExtensionNamespace));
    if (annotation.loadXml(annotationXml)) {
        const XmlNode extension = annotation.selectSingleNode(QStringLiteral("//scps:SchemaExtension"));
        for (const QString &kind : extension.attributeNames())
            handlers.insert(kind, extension.attributeOr(kind));
    }
    known.insert(annotationXml, handlers);
    return handlers;
}

} // namespace

CDataItem::CDataItem(const XmlNode &node, std::shared_ptr<ScriptHost> script)
    : m_node(node)
    , m_script(std::move(script))
{
}

CDataItem &CDataItem::GetChildByName(const QString &name, CDataItem &result) const
{
    const XmlNode child = m_node.firstChildElement(kProfileNs, name);
    if (child.isNull())
        throw CVelaCPSException(VelaError::NoSuchChild, QStringLiteral("Name='%1'").arg(name),
            "CDataItem::GetChildByName", __LINE__, QStringLiteral("no such child"));
    result = CDataItem(child, m_script);
    return result;
}

CDataItem &CDataItem::GetChildByIndex(int index, CDataItem &result) const
{
    result = CDataItem(m_node.childElementAt(index), m_script);
    if (result.isEmpty())
        result.m_script.reset();
    return result;
}

int CDataItem::GetChildCount() const
{
    return m_node.childElementCount();
}

int CDataItem::GetIndexInParent() const
{
    return int(m_node.parent().childElements().indexOf(m_node));
}

XmlNode CDataItem::requiredAttribute(const char *operation, const QString &name) const
{
    const XmlNode attribute = m_node.attributeNode(name);
    if (attribute.isNull())
        throw CVelaCPSException(VelaError::NoSuchAttribute, QStringLiteral("Name='%1'").arg(name), operation,
            __LINE__, QStringLiteral("no such attribute"));
    return attribute;
}

QVariant CDataItem::GetAttributeValue(const QString &name) const
{
    return guard("CDataItem::GetAttributeValue", __LINE__, [&] {
        const XmlNode attribute = requiredAttribute("CDataItem::GetAttributeValue", name);
        QString builtInType;
        if (const auto schemas = m_node.ownerDocument().schemas()) {
            const XmlSchemaDeclaration declaration = schemas->declarationOf(attribute);
            if (!declaration.typeChain.isEmpty())
                builtInType = declaration.typeChain.last();
        }
        return typedValue(attribute.text(), builtInType);
    });
}

HookVerdict CDataItem::SetAttributeValue(const QString &name, const QVariant &value, int context)
{
    const char *operation = "CDataItem::SetAttributeValue";
    return guard(operation, __LINE__, [&] {
        const XmlNode attribute = requiredAttribute(operation, name);
        const HookReply reply = callHook(
            operation, attribute, "SetVal",
            [&](const QJSValue &out) {
                return QJSValueList { wrap(m_node), wrap(attribute), m_script->engine().toScriptValue(value),
                    out, QJSValue(context) };
            },
            [&] {
                return invokeFailure("SetAttributeValue", m_node)
                    + QStringLiteral(" Attribute=%1 Value=%2").arg(name, variantText(value));
            });
        if (!reply.hooked)
            writeDirectly(m_node, name, value);
        return reply.verdict;
    });
}

bool CDataItem::answerOf(const char *operation, const char *kind, const QJSValueList &moreArguments) const
{
    return guard(operation, __LINE__, [&] {
        return callHook(
            operation, m_node, kind,
            [&](const QJSValue &) { return QJSValueList { wrap(m_node) } + moreArguments; },
            [&] { return invokeFailure(kind, m_node); })
            .answer;
    });
}

bool CDataItem::CanAddChild() const
{
    return answerOf("CDataItem::CanAddChild", "CanAddChild", {});
}

bool CDataItem::CanDeleteChild() const
{
    return answerOf("CDataItem::CanDeleteChild", "CanDeleteChild", {});
}

bool CDataItem::CanDeleteFrequency(unsigned index) const
{
    return answerOf("CDataItem::CanDeleteFrequency", "CanDeleteChild", { QJSValue(index) });
}

bool CDataItem::AddNewChild(CDataItem &result)
{
    result = CDataItem();
    const char *operation = "CDataItem::AddNewChild";
    const XmlNode created = guard(operation, __LINE__, [&] {
        return callHook(
            operation, m_node, "OnAddNew", [&](const QJSValue &) { return QJSValueList { wrap(m_node) }; },
            [&] { return invokeFailure("OnAddNew", m_node); })
            .node;
    });
    if (created.isNull())
        return false;
    result = CDataItem(created, m_script);
    return true;
}

HookVerdict CDataItem::RemoveChildByIndex(int index, int context)
{
    const char *operation = "CDataItem::RemoveChildByIndex";
    return guard(operation, __LINE__, [&] {
        const XmlNode child = m_node.childElementAt(index);
        if (child.isNull())
            throw CVelaCPSException(VelaError::NoSuchAttribute, QStringLiteral("Index='%1'").arg(index),
                operation, __LINE__, QStringLiteral("no such child"));
        const HookReply reply = callHook(
            operation, child, "OnDelete",
            [&](const QJSValue &out) {
                return QJSValueList { wrap(child), QJSValue(index), out, QJSValue(context) };
            },
            [&] { return invokeFailure("OnDelete", child); });
        if (!reply.hooked)
            m_node.removeChild(child);
        return reply.verdict;
    });
}

HookVerdict CDataItem::AddFrequency(const FrequencyRow &row)
{
    const char *operation = "CDataItem::AddFrequency";
    return guard(operation, __LINE__, [&] {
        const HookReply reply = callHook(
            operation, m_node, "OnAddNewFrequency",
            [&](const QJSValue &out) {
                return QJSValueList { wrap(m_node), QJSValue(double(row.frequency)), QJSValue(row.bandwidth),
                    QJSValue(row.powerLevel), QJSValue(row.compander), out };
            },
            [] { return QStringLiteral("Error: AddFrequency"); });
        return reply.hooked ? reply.verdict : HookVerdict { 1 };
    });
}

HookVerdict CDataItem::SetFreqAttributeValue(const FrequencyRow &row, int context)
{
    const char *operation = "CDataItem::SetFreqAttributeValue";
    return guard(operation, __LINE__, [&] {
        const HookReply reply = callHook(
            operation, m_node, "SetFreqAttr",
            [&](const QJSValue &out) {
                return QJSValueList { wrap(m_node), QJSValue(row.index), QJSValue(double(row.frequency)),
                    QJSValue(row.bandwidth), QJSValue(row.powerLevel), QJSValue(row.compander), out,
                    QJSValue(context) };
            },
            [&] { return invokeFailure("SetFreqAttributeValue", m_node); });
        return reply.hooked ? reply.verdict : HookVerdict { 1 };
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
    const QHash<QString, QString> handlers = ScriptHandlersOf(declaration.annotationXml);
    const auto name = handlers.constFind(kind);
    if (name == handlers.constEnd())
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
        const XmlNode channels
            = document.documentElement().selectSingleNode(QStringLiteral("//dfns:channels"));
        const QList<XmlNode> list = channels.isNull() ? QList<XmlNode>() : channels.childElements();
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
        static const std::pair<const char *, const char *> kPairs[]
            = { { "tx_code", "rx_code" }, { "tx_freq_ndx", "rx_freq_ndx" }, { "tx_bw", "rx_bw" } };
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

CDataItem::HookReply CDataItem::callHook(const char *operation, const XmlNode &declared, const char *kind,
    const HookArguments &arguments, const std::function<QString()> &failureDetail) const
{
    HookReply reply;
    QString function;
    if (!GetScriptHandler(declared, QLatin1String(kind), function))
        return reply;
    reply.hooked = true;
    QJSValue result;
    // The wrappers of the arguments and of the result live while the scope
    // is open, so the result is read inside it.
    const ScriptHost::Scope scope(m_script.get());
    if (m_script) {
        QJSValue out = m_script->engine().newObject();
        out.setProperty(QStringLiteral("msgId"), 0);
        out.setProperty(QStringLiteral("style"), 0);
        if (m_script->call(function, arguments(out), result)) {
            reply.verdict = { result.toInt(), out.property(QStringLiteral("msgId")).toInt(),
                out.property(QStringLiteral("style")).toInt() };
            reply.answer = result.toBool();
            reply.node = ScriptHost::unwrap(result);
            return reply;
        }
    }
    throw CVelaCPSException(
        VelaError::Unknown, failureDetail(), operation, __LINE__, QStringLiteral("Invoke script failed"));
}

QJSValue CDataItem::wrap(const XmlNode &node) const
{
    return m_script->wrap(node);
}

void CDataItem::writeDirectly(XmlNode &element, const QString &name, const QVariant &value)
{
    element.setAttribute(name, variantText(value));
}
