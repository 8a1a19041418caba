#pragma once

#include "settings/ProductContext.h"

// The command-line tool's start-up: the same configuration and settings
// documents as the desktop program.
class CliSession
{
public:
    // False (after the message) when the product cannot start.
    bool start() { return m_context.start(); }
    const CProductContext &context() const { return m_context; }
    bool checkProfileFile(const QString &path) const;

private:
    CProductContext m_context;
};
