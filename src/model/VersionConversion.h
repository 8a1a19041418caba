#pragma once

#include "xml/XmlDocument.h"

#include <QList>
#include <QString>

// Codeplug-version conversion. The schema describes the newest codeplug
// version; the up/down-grade settings document says which attributes
// (CPField rules) and elements (CPTag rules) each version has. Fields that a
// profile's version lacks are added with defaults before validation and
// removed again before the profile is saved, so every profile is edited
// against one schema and saved in its own shape.

// The up/down-grade settings document and the product's region name.
struct VersionRuleSource {
    XmlDocument document; // null document element: no rules, plain loading
    QString regionName;
};

namespace VersionConversion {

// Builds the keep list and the added-field list for codeplug version under
// the scratch document's root and returns the added-field rules in order;
// kept, when given, receives the rules of the fields the version has.
QList<XmlNode> CollectAddedFields(
    XmlDocument &scratch, const VersionRuleSource &rules, int version, QList<XmlNode> *kept = nullptr);

// Adds the fields of rules to document: attribute rules always, element
// rules only when elementRules is set (a profile made from a template).
void ApplyAddedFields(XmlDocument &document, const QList<XmlNode> &rules, bool elementRules);

// Gives every element an attribute that a kept attribute rule names and the
// element lacks, with the rule's value. A profile made from a radio image
// has no fields that only the profile file carries; with this they exist
// from the start, so they can be edited and are saved like any other.
void CompleteKeptFields(XmlDocument &document, const QList<XmlNode> &keptRules);

// Removes from document every field that rules add (element rules too).
void RemoveAddedFields(XmlDocument &document, const QList<XmlNode> &rules);

} // namespace VersionConversion
