#pragma once

#include "TestEnvironment.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

// What one run of velacps-cli gave.
struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    std::string stderrText() const { return err.toStdString(); }
};

// Runs the built velacps-cli as a separate process against the source
// tree's product data, with a configuration and radio backups of its own
// (XDG_CONFIG_DIRS, XDG_CONFIG_HOME and XDG_DATA_HOME point into a temporary
// folder).
class CliTest : public ::testing::Test {
protected:
    CliResult run(const QStringList &arguments);
    // The same with standard output going to the file at path.
    CliResult runWithOutputTo(const QString &path, const QStringList &arguments);

    QString tempPath(const QString &name) const { return m_temp.filePath(name); }
    QString writeFile(const QString &name, const QByteArray &bytes);
    static QByteArray readFile(const QString &path);
    static QString templatePath(const QString &model);
    static QString templateText(const QString &model);

    ScopedConfig m_config;
    QTemporaryDir m_temp;
};

// The profile file format: FF FE and the text as UTF-16LE, each unit XORed
// with 0xA6 except a unit equal to it. Written out here, apart from the
// program's own writer.
QByteArray scrambledProfileFile(const QString &text);
