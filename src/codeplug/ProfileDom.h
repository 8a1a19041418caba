#pragma once

// DOM set-up and error translation shared by the conversions between profile
// text and image and by the frequency rules that work on a profile text.

#include "xml/XmlDocument.h"

namespace codeplug {

// A new document whose XPath binds the prefix "dfns" to the profile
// namespace. If the document cannot be made, raises CVelaCPSException
// "Fatal error: 102" (VelaError::CreateFailed) with failureDetail, under
// operation and position.
XmlDocument createProfileDocument(const char *operation, int position, const char *failureDetail);

// Raises the XML library's error as CVelaCPSException "Unknown Error"
// (VelaError::Unknown) whose detail names the library's message,
// description and source.
[[noreturn]] void raiseXmlLayerError(const XmlError &error, const char *operation, int position);

} // namespace codeplug
