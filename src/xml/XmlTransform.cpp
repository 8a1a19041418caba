// XSLT 1.0 transforms through libxslt, locked down: no file writes, no
// folders, no reads beyond the two documents, no network.

#include "xml/XmlDocumentPrivate.h"

#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <QStringDecoder>

namespace {

const QString kSource = QStringLiteral("XSLT style sheet");

// The result bytes are in the sheet's output encoding (UTF-8 unless the
// sheet names another).
QString decodeResult(const xmlChar *bytes, int size, const xsltStylesheet *sheet)
{
    const QByteArray data(reinterpret_cast<const char *>(bytes), size);
    if (sheet->encoding) {
        QStringDecoder decoder(reinterpret_cast<const char *>(sheet->encoding));
        if (decoder.isValid())
            return decoder.decode(data);
    }
    return QString::fromUtf8(data);
}

struct TransformResources {
    ~TransformResources()
    {
        xmlFreeDoc(result);
        if (context)
            xsltFreeTransformContext(context);
        if (prefs)
            xsltFreeSecurityPrefs(prefs);
        if (sheet)
            xsltFreeStylesheet(sheet); // frees sheetDoc with it
        else
            xmlFreeDoc(sheetDoc);
    }
    xmlDocPtr sheetDoc = nullptr;
    xsltStylesheetPtr sheet = nullptr;
    xsltSecurityPrefsPtr prefs = nullptr;
    xsltTransformContextPtr context = nullptr;
    xmlDocPtr result = nullptr;
};

} // namespace

QString XmlDocument::transform(const XmlDocument &styleSheet) const
{
    XmlErrorSink sink;
    XmlErrorScope scope(sink);
    TransformResources r;
    if (styleSheet.isEmpty())
        throw XmlError(QStringLiteral("Invalid style sheet"),
            QStringLiteral("The style sheet document is empty"), kSource);
    // libxslt takes over the document it compiles; the caller keeps its own.
    r.sheetDoc = xmlCopyDoc(styleSheet.raw(), 1);
    r.sheet = xsltParseStylesheetDoc(r.sheetDoc);
    if (!r.sheet || r.sheet->errors > 0)
        throwXmlError(QStringLiteral("Invalid style sheet"), sink, kSource,
            QStringLiteral("The style sheet could not be compiled"));

    r.prefs = newLockedDownXsltPrefs();
    r.context = xsltNewTransformContext(r.sheet, raw());
    if (!r.context || xsltSetCtxtSecurityPrefs(r.prefs, r.context) != 0)
        throwXmlError(
            QStringLiteral("Transform failed"), sink, kSource, QStringLiteral("No transform context"));
    xsltSetTransformErrorFunc(r.context, &sink, XmlErrorSink::generic);
    r.result = xsltApplyStylesheetUser(r.sheet, raw(), nullptr, nullptr, nullptr, r.context);
    if (!r.result || r.context->state != XSLT_STATE_OK)
        throwXmlError(
            QStringLiteral("Transform failed"), sink, kSource, QStringLiteral("The transform stopped"));

    xmlChar *bytes = nullptr;
    int size = 0;
    if (xsltSaveResultToString(&bytes, &size, r.result, r.sheet) != 0)
        throwXmlError(QStringLiteral("Transform failed"), sink, kSource,
            QStringLiteral("The result could not be written"));
    const QString text = bytes ? decodeResult(bytes, size, r.sheet) : QString();
    xmlFree(bytes);
    return text;
}
