#pragma once

#include <QByteArray>
#include <QString>

// What a text may hold before it is parsed. libxml2's cost grows faster
// than the square of the attributes of one element, and every text is
// parsed more than once, so texts beyond these limits are refused before
// the parser sees them. Each limit is far above what any profile (about 150
// elements of at most 44 attributes), settings document, schema or report
// style sheet holds (at most 35 namespace declarations, 3 in scope).
namespace XmlTextLimits {
constexpr int kMaxAttributesPerElement = 256;
constexpr int kMaxAttributes = 100000;
constexpr int kMaxElements = 20000;
constexpr int kMaxDepth = 64;
// Namespace declarations (xmlns attributes) of an element and its ancestors:
// every prefixed name is looked up among them.
constexpr int kMaxNamespacesInScope = 128;
constexpr int kMaxNameLength = 256;
constexpr int kMaxValueLength = 1 << 20;

// Where a text goes beyond a limit: the byte offset in utf8 and why; an
// offset of -1 when it does not. A text that is not well-formed is scanned
// only up to its first fault, which the parser then reports.
struct Breach {
    qsizetype offset = -1;
    QString reason;
};
Breach FindBreach(const QByteArray &utf8);
} // namespace XmlTextLimits
