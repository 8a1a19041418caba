#pragma once

#include <QString>

// A full profile text (19 channels, 99 frequencies) made from the largest
// bundled template, for benchmarks that need the worst case.
QString fullProfileText();
