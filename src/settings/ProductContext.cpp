#include "ProductContext.h"

#include "base/ConfigStore.h"

bool CProductContext::start()
{
    if (!CConfigStore::prepare())
        return false;
    rememberLanguage();
    return m_settings.load();
}

void CProductContext::rememberLanguage()
{
    m_language = CConfigStore::currentLanguage();
}

VersionRuleSource CProductContext::versionRules() const
{
    return VersionRuleSource { m_settings.upDownGradeDocument(), m_settings.regionName() };
}
