#include "ProfileDom.h"

#include "base/ProfileNamespaces.h"
#include "base/VelaException.h"

#include <exception>

namespace codeplug {

XmlDocument createProfileDocument(const char *operation, int position, const char *failureDetail)
{
    try {
        XmlDocument document;
        document.setNamespace(QStringLiteral("dfns"), QString::fromLatin1(vela::kProfileNamespace));
        return document;
    } catch (const std::exception &) {
        throw CVelaCPSException(VelaError::CreateFailed, QString::fromLatin1(failureDetail), operation,
            position, QStringLiteral("Fatal error: 102.\nPlease uninstall and re-install CPS."));
    }
}

void raiseXmlLayerError(const XmlError &error, const char *operation, int position)
{
    throw CVelaCPSException(VelaError::Unknown,
        libraryErrorDetail(error.message, error.description, error.source), operation, position,
        QStringLiteral("Unknown Error"));
}

} // namespace codeplug
