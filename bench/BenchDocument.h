#pragma once

#include "BenchProfiles.h"

#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <QFile>
#include <QTemporaryDir>

// The product data and the full profile (19 channels, 99 frequencies) as
// an open document, made once per benchmark program.
struct BenchDocument {
    BenchDocument()
    {
        if (!context.start())
            qFatal("the product data did not load");
        const QString path = folder.filePath(QStringLiteral("full.kv9"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(fullProfileText().toUtf8()) < 0)
            qFatal("cannot write the profile");
        file.close();
        if (!document.NewFromTemplate(path))
            qFatal("the profile did not load");
    }
    static BenchDocument &instance()
    {
        static BenchDocument environment;
        return environment;
    }

    ScopedConfig config;
    RecordingReporter reporter;
    CProductContext context;
    QTemporaryDir folder;
    CProfileDocument document { context.versionRules() };
};
