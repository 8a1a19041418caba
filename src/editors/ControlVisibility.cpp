#include "ControlVisibility.h"

#include "settings/SettingsDocuments.h"

namespace {

const QString kControl = QStringLiteral("Control");
const QString kDisplay = QStringLiteral("Display");
const QString kNonDisplay = QStringLiteral("NonDisplay");

} // namespace

ControlVisibility ControlVisibility::FromSettings(
    const CSettingsDocuments &settings, const QString &key, bool displayModel)
{
    ControlVisibility visibility;
    const QString displayType = displayModel ? kDisplay : kNonDisplay;
    const auto take = [&visibility](const XmlNode &control) {
        if (control.localName() != kControl)
            return;
        const int id = control.attributeOr(QStringLiteral("ID")).trimmed().toInt();
        visibility.m_listed.insert(id);
        if (control.attributeOr(QStringLiteral("isVisible")).trimmed().toInt() == 0)
            visibility.m_hidden.insert(id);
    };
    for (const XmlNode &child : settings.visibleSettings(key)) {
        if (child.localName() == displayType) {
            for (const XmlNode &control : child.childElements())
                take(control);
        } else {
            take(child);
        }
    }
    return visibility;
}
