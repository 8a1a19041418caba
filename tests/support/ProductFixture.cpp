#include "ProductFixture.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>

void ProductFixture::SetUp()
{
    m_config = std::make_unique<ScopedConfig>();
    ASSERT_TRUE(m_context.start()) << qPrintable(m_reporter.messages.join("\n"));
}

QString ProductFixture::templateText(const QString &model) const
{
    return dataFileText(QStringLiteral("profiletemplate/%1.kv9").arg(model));
}

std::unique_ptr<CProfileDocument> ProductFixture::fromTemplate(const QString &model)
{
    auto document = newDocument();
    EXPECT_TRUE(document->NewFromTemplate(dataPath(QStringLiteral("profiletemplate/%1.kv9").arg(model))))
        << qPrintable(m_reporter.messages.join("\n"));
    return document;
}

std::unique_ptr<CProfileDocument> ProductFixture::newDocument() const
{
    auto document = std::make_unique<CProfileDocument>(m_context.versionRules());
    document->setLoadTimeRulesEnabled(m_loadTimeRules);
    return document;
}

std::unique_ptr<CProfileDocument> ProductFixture::fromText(const QString &text)
{
    const QString path = tempPath(QStringLiteral("source.kv9"));
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text.toUtf8());
    file.close();
    auto document = newDocument();
    EXPECT_TRUE(document->Open(path)) << qPrintable(m_reporter.messages.join("\n"));
    return document;
}

void ProductFixture::setMachineValue(const QString &key, const QVariant &value)
{
    QSettings machine(m_config->machineFile(), QSettings::IniFormat);
    machine.setValue(key, value);
}

QString setAttributeIn(QString text, const QString &element, const QString &attribute, const QString &value)
{
    const QRegularExpression pattern(
        QStringLiteral("(<%1\\b[^>]*?\\s%2=\")[^\"]*(\")").arg(element, attribute));
    const QRegularExpressionMatch match = pattern.match(text);
    EXPECT_TRUE(match.hasMatch()) << qPrintable(element + "/" + attribute);
    text.replace(
        match.capturedStart(), match.capturedLength(), match.captured(1) + value + match.captured(2));
    return text;
}
