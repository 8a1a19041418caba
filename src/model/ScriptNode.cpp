#include "ScriptNode.h"

#include "ScriptHost.h"
#include "base/ProfileNamespaces.h"

namespace {

// Hooks write flags as the profile stores them.
QString attributeText(const QJSValue &value)
{
    if (value.isBool())
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    if (value.isNumber()) {
        const double number = value.toNumber();
        if (number == double(qint64(number)))
            return QString::number(qint64(number));
        return QString::number(number, 'g', 17);
    }
    return value.toString();
}

} // namespace

// An error of the XML layer inside a script call becomes a script exception;
// a C++ exception must never unwind through the engine.
template <typename F> auto ScriptNode::guarded(F body) const -> decltype(body())
{
    try {
        return body();
    } catch (const XmlError &error) {
        m_host->engine().throwError(error.description.isEmpty() ? error.message : error.description);
        if constexpr (!std::is_void_v<decltype(body())>)
            return decltype(body())();
    }
}

ScriptNode::ScriptNode(ScriptHost *host, const XmlNode &node)
    : m_host(host)
    , m_node(node)
{
}

QString ScriptNode::nodeName() const
{
    return m_node.type() == XmlNode::Type::Element ? m_node.localName() : m_node.nodeName();
}

QString ScriptNode::value() const
{
    return m_node.type() == XmlNode::Type::Element ? QString() : m_node.text();
}

QJSValue ScriptNode::getAttribute(const QString &name) const
{
    const auto value = m_node.attribute(name);
    return value ? QJSValue(*value) : QJSValue(QJSValue::NullValue);
}

bool ScriptNode::hasAttribute(const QString &name) const
{
    return m_node.hasAttribute(name);
}

void ScriptNode::setAttribute(const QString &name, const QJSValue &value)
{
    guarded([&] { m_node.setAttribute(name, attributeText(value)); });
}

void ScriptNode::removeAttribute(const QString &name)
{
    guarded([&] { m_node.removeAttribute(name); });
}

QJSValue ScriptNode::parentNode() const
{
    return m_host->wrap(m_node.parent());
}

QJSValue ScriptNode::childNodes() const
{
    const QList<XmlNode> children = m_node.childElements();
    QJSValue array = m_host->engine().newArray(uint(children.size()));
    for (int i = 0; i < children.size(); ++i)
        array.setProperty(quint32(i), m_host->wrap(children[i]));
    return array;
}

int ScriptNode::childCount() const
{
    return m_node.childElementCount();
}

QJSValue ScriptNode::childAt(int index) const
{
    return m_host->wrap(m_node.childElementAt(index));
}

int ScriptNode::indexOf(const QJSValue &child) const
{
    return int(m_node.childElements().indexOf(ScriptHost::unwrap(child)));
}

QJSValue ScriptNode::appendChild(const QJSValue &child)
{
    return guarded([&] { return m_host->wrap(m_node.appendChild(ScriptHost::unwrap(child))); });
}

QJSValue ScriptNode::insertBefore(const QJSValue &child, const QJSValue &reference)
{
    return guarded([&] {
        return m_host->wrap(m_node.insertBefore(ScriptHost::unwrap(child), ScriptHost::unwrap(reference)));
    });
}

QJSValue ScriptNode::removeChild(const QJSValue &child)
{
    return guarded([&] { return m_host->wrap(m_node.removeChild(ScriptHost::unwrap(child))); });
}

QJSValue ScriptNode::cloneNode(bool deep) const
{
    return guarded([&] { return m_host->wrap(m_node.cloneNode(deep)); });
}

QJSValue ScriptNode::createElement(const QString &name) const
{
    return guarded([&] {
        XmlDocument document = m_node.ownerDocument();
        return m_host->wrap(document.createElement(name, QString::fromLatin1(vela::kProfileNamespace)));
    });
}

QJSValue ScriptNode::selectNodes(const QString &xpath) const
{
    return guarded([&] {
        const QList<XmlNode> nodes = m_node.selectNodes(xpath);
        QJSValue array = m_host->engine().newArray(uint(nodes.size()));
        for (int i = 0; i < nodes.size(); ++i)
            array.setProperty(quint32(i), m_host->wrap(nodes[i]));
        return array;
    });
}

QJSValue ScriptNode::selectSingleNode(const QString &xpath) const
{
    return guarded([&] { return m_host->wrap(m_node.selectSingleNode(xpath)); });
}

bool ScriptNode::isSameNode(const QJSValue &other) const
{
    return ScriptHost::unwrap(other) == m_node;
}
