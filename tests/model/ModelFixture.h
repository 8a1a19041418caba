#pragma once

#include "RecordingReporter.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A small install directory of its own (schema and hook script written by
// the test) with the configuration pointing at it, so the model's own
// behaviour is tested apart from the product's rules.
class ModelFixture : public ::testing::Test {
protected:
    void SetUp() override;

    void writeInstallFile(const QString &name, const QString &text);
    QString writeTempFile(const QString &name, const QByteArray &bytes);
    QString installDir() const { return m_install.path(); }

    static const char *const kSchema;
    static const char *const kScript;
    static const char *const kProfile;

    QTemporaryDir m_install;
    std::unique_ptr<ScopedConfig> m_config;
    RecordingReporter m_reporter;
};
