#pragma once

#include <QSet>
#include <QString>

class CSettingsDocuments;

// Which controls of an editor the product settings leave visible: only the
// controls that "VisibleSetting.stv" lists for the editor (directly, or in
// the group of the model's display type), and of those only the ones not
// listed with isVisible 0.
class ControlVisibility {
public:
    static ControlVisibility FromSettings(
        const CSettingsDocuments &settings, const QString &key, bool displayModel);

    bool keeps(int controlId) const { return m_listed.contains(controlId) && !m_hidden.contains(controlId); }

private:
    QSet<int> m_listed;
    QSet<int> m_hidden;
};
