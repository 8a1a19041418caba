#pragma once

// Edits a profile text for a test through the XML service: set or remove
// attributes, duplicate elements, then take the text back.

#include "base/ProfileNamespaces.h"
#include "xml/XmlDocument.h"

#include <gtest/gtest.h>

class ProfileEdit {
public:
    explicit ProfileEdit(const QString &text)
    {
        m_document.setNamespace(QStringLiteral("dfns"), QString::fromLatin1(vela::kProfileNamespace));
        EXPECT_TRUE(m_document.loadXml(text)) << m_document.parseError().reason.toStdString();
    }

    // Sets attribute on every element the query selects.
    ProfileEdit &set(const QString &xpath, const QString &attribute, const QString &value)
    {
        const QList<XmlNode> nodes = m_document.selectNodes(xpath);
        EXPECT_FALSE(nodes.isEmpty()) << xpath.toStdString();
        for (XmlNode node : nodes)
            node.setAttribute(attribute, value);
        return *this;
    }
    ProfileEdit &set(const QString &xpath, const QString &attribute, qint64 value)
    {
        return set(xpath, attribute, QString::number(value));
    }

    ProfileEdit &remove(const QString &xpath, const QString &attribute)
    {
        for (XmlNode node : m_document.selectNodes(xpath))
            node.removeAttribute(attribute);
        return *this;
    }

    // Appends copies of the last element the query selects until its parent
    // has count children.
    ProfileEdit &growTo(const QString &xpath, int count)
    {
        const QList<XmlNode> nodes = m_document.selectNodes(xpath);
        EXPECT_FALSE(nodes.isEmpty()) << xpath.toStdString();
        XmlNode parent = nodes.last().parent();
        while (parent.childCount() < count)
            parent.appendChild(nodes.last().cloneNode(true));
        return *this;
    }

    QString text() const { return m_document.xml(); }

private:
    XmlDocument m_document;
};
