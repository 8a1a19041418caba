#pragma once

#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// The shipped product data behind an isolated configuration, started as
// the programs start, with helpers to make documents from the templates.
class ProductFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // A document made from the named template (file name without ".kv9"),
    // optionally with attribute values of the template text replaced first.
    std::unique_ptr<CProfileDocument> fromTemplate(const QString &model);
    std::unique_ptr<CProfileDocument> fromText(const QString &text);
    // A document that loads without the load-time rules: the profile as stored.
    std::unique_ptr<CProfileDocument> newDocument() const;
    QString templateText(const QString &model) const;
    QString tempPath(const QString &name) const { return m_temp.filePath(name); }
    // Sets a machine configuration value (e.g. "VelaTag").
    void setMachineValue(const QString &key, const QVariant &value);

    std::unique_ptr<ScopedConfig> m_config;
    RecordingReporter m_reporter;
    CProductContext m_context;
    QTemporaryDir m_temp;
    // Whether fromTemplate and fromText run the load-time rules.
    bool m_loadTimeRules = true;
};

// Replaces the value of attribute in the first element of text that is
// named element (e.g. setAttributeIn(text, "limit", "start_freq", "1")).
QString setAttributeIn(QString text, const QString &element, const QString &attribute, const QString &value);
