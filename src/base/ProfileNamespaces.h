#pragma once

// Namespace URIs shared by profile files, DataProfile.xsd and the settings
// documents. They are identifiers only; nothing is ever fetched from them.
namespace vela {
inline constexpr const char *kProfileNamespace = "http://schemas.halvern.com/vela/profile";
inline constexpr const char *kSchemaExtensionNamespace = "http://schemas.halvern.com/vela/schema-extension";
// Bound to the prefix "ms" on the main document for scripts; no query of the
// program uses it.
inline constexpr const char *kXsltExtensionNamespace = "urn:schemas-microsoft-com:xslt";
} // namespace vela
