#pragma once

#include "base/MessageReporter.h"

// The command-line tool's messages: each on its own line of stderr as the
// desktop would show it in a box, and, after a profile that does not parse
// or validate, the loader's diagnosis on the next line (file, line,
// position and reason), which the desktop keeps to itself.
class CliReporter : public StderrReporter {
public:
    using StderrReporter::StderrReporter;
    int show(const QString &text, unsigned style) override;

    // The file whose profile the command loads, named in the diagnosis.
    static void setInputFile(const QString &path);
};
