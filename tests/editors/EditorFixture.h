#pragma once

#include "ProductFixture.h"
#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "base/ConfigStore.h"
#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <memory>

// An attribute of a template's first element of that name, changed before
// the profile is loaded.
struct TemplateChange {
    QString element;
    QString attribute;
    QString value;
};
using TemplateChanges = QList<TemplateChange>;
Q_DECLARE_METATYPE(TemplateChanges)

// The product data (the shipped one unless an install folder is given)
// behind an isolated configuration in the language asked, with profiles
// made from the templates. Messages are recorded.
class EditorFixture {
public:
    explicit EditorFixture(const QString &installPath = QStringLiteral(VELA_DATA_DIR),
        const QString &language = QString(), bool limitSaving = true)
        : config(installPath)
    {
        if (!limitSaving)
            setMachineValue(QStringLiteral("VelaTag"), 0);
        if (!language.isEmpty())
            CConfigStore::setCurrentLanguage(language);
        if (!context.start())
            qFatal("the product data did not load");
    }

    void setMachineValue(const QString &key, const QVariant &value)
    {
        QSettings(config.machineFile(), QSettings::IniFormat).setValue(key, value);
    }

    std::unique_ptr<CProfileDocument> profile(const QString &model, const TemplateChanges &changes = {})
    {
        QString text = dataFileText(QStringLiteral("profiletemplate/%1.kv9").arg(model));
        for (const TemplateChange &change : changes)
            text = setAttributeIn(text, change.element, change.attribute, change.value);
        const QString path = temp.filePath(model + QStringLiteral(".kv9"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0)
            qFatal("cannot write the profile");
        file.close();
        auto document = std::make_unique<CProfileDocument>(context.versionRules());
        if (!document->NewFromTemplate(path))
            qFatal("the profile did not load: %s", qPrintable(reporter.messages.join('\n')));
        return document;
    }

    ScopedConfig config;
    RecordingReporter reporter;
    CProductContext context;
    QTemporaryDir temp;
};
