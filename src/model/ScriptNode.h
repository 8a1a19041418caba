#pragma once

#include "xml/XmlDocument.h"

#include <QJSValue>
#include <QObject>
#include <QVariant>

class ScriptHost;

// A profile node as the hook script sees it. DataProfile.js receives these
// as hook arguments:
//
//   node.nodeName                 "channel", or an attribute's name
//   node.value                    an attribute node's text ("" for elements)
//   node.getAttribute(name)       text, or null when absent
//   node.hasAttribute(name)
//   node.setAttribute(name, v)    v written as text (true/false as "1"/"0")
//   node.removeAttribute(name)
//   node.parentNode()             element, or null
//   node.childNodes()             array of the child elements
//   node.childCount()
//   node.childAt(i)               element, or null past the end
//   node.indexOf(child)           position among the child elements, or -1
//   node.appendChild(c), node.insertBefore(c, ref), node.removeChild(c)
//   node.cloneNode(deep)          detached copy in the same document
//   node.createElement(name)      detached element in the profile namespace
//   node.selectNodes(xpath)       array; the prefix "dfns" is bound
//   node.selectSingleNode(xpath)  node, or null
//   node.isSameNode(other)
//
// The wrappers are owned by the host (not by the engine's collector); they
// live until the host is cleared after a hook call.
class ScriptNode : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString nodeName READ nodeName CONSTANT)
    Q_PROPERTY(QString value READ value CONSTANT)

public:
    ScriptNode(ScriptHost *host, const XmlNode &node);

    const XmlNode &node() const { return m_node; }
    QString nodeName() const;
    QString value() const;

    Q_INVOKABLE QJSValue getAttribute(const QString &name) const;
    Q_INVOKABLE bool hasAttribute(const QString &name) const;
    Q_INVOKABLE void setAttribute(const QString &name, const QJSValue &value);
    Q_INVOKABLE void removeAttribute(const QString &name);
    Q_INVOKABLE QJSValue parentNode() const;
    Q_INVOKABLE QJSValue childNodes() const;
    Q_INVOKABLE int childCount() const;
    Q_INVOKABLE QJSValue childAt(int index) const;
    Q_INVOKABLE int indexOf(const QJSValue &child) const;
    Q_INVOKABLE QJSValue appendChild(const QJSValue &child);
    Q_INVOKABLE QJSValue insertBefore(const QJSValue &child, const QJSValue &reference);
    Q_INVOKABLE QJSValue removeChild(const QJSValue &child);
    Q_INVOKABLE QJSValue cloneNode(bool deep) const;
    Q_INVOKABLE QJSValue createElement(const QString &name) const;
    Q_INVOKABLE QJSValue selectNodes(const QString &xpath) const;
    Q_INVOKABLE QJSValue selectSingleNode(const QString &xpath) const;
    Q_INVOKABLE bool isSameNode(const QJSValue &other) const;

private:
    template <typename F> auto guarded(F body) const -> decltype(body());

    ScriptHost *m_host;
    XmlNode m_node;
};
