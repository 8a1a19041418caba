#pragma once

#include "codeplug/VirtualCP.h"

#include <QString>

#include <optional>

// Reads the radio on the cable at port into an image, as the read command
// does (identify, checks, backup; a radio with a password is refused);
// nothing after the message when it fails.
std::optional<VirtualCP> readRadioImage(const QString &port);
