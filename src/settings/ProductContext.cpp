#include "ProductContext.h"

#include "base/ConfigStore.h"

bool CProductContext::start()
{
    if (!CConfigStore::prepare())
        return false;
    m_language = CConfigStore::currentLanguage();
    return m_settings.load();
}

VersionRuleSource CProductContext::versionRules() const
{
    return VersionRuleSource { m_settings.upDownGradeDocument(), m_settings.regionName() };
}
