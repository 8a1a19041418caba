// The machine configuration the install ships: a first run in any of its
// languages is prepared without a message, and the dealer texts start empty
// for the dealer to fill in (they reach every customer report).

#include "base/ConfigStore.h"

#include "RecordingReporter.h"
#include "TestEnvironment.h"

#include <QSettings>

#include <gtest/gtest.h>

TEST(ShippedConfiguration, FirstRunInEveryLanguageStartsWithEmptyDealerTexts)
{
    // The languages are read from the keys: a group listing of a section
    // such as [Language/English] misses sections not parsed yet.
    QStringList languages;
    {
        ScopedConfig shipped;
        const QSettings machine(shipped.machineFile(), QSettings::IniFormat);
        const QStringList keys = machine.allKeys();
        for (const QString &key : keys)
            if (key.startsWith(u"Language/") && !languages.contains(key.section(u'/', 1, 1)))
                languages.append(key.section(u'/', 1, 1));
        for (const QString &language : languages)
            for (const char *value : { "DealerInfoLeft", "DealerInfoMiddle", "DealerInfoRight" })
                EXPECT_TRUE(
                    keys.contains(QStringLiteral("Language/%1/%2").arg(language, QLatin1String(value))))
                    << language.toStdString();
    }
    ASSERT_FALSE(languages.isEmpty());

    for (const QString &language : languages) {
        ScopedConfig config;
        QSettings(config.machineFile(), QSettings::IniFormat)
            .setValue(QStringLiteral("DefaultLanguage"), language);
        RecordingReporter reporter;
        ASSERT_TRUE(CConfigStore::prepare()) << language.toStdString();
        EXPECT_TRUE(reporter.messages.isEmpty());

        QString left = QStringLiteral("x"), right = left, middle = left;
        ASSERT_TRUE(CConfigStore::dealerInfo(language, left, right, middle)) << language.toStdString();
        EXPECT_EQ((left + middle + right).toStdString(), "") << language.toStdString();
    }
}
