#include "ProductContext.h"

#include "RegistryConfig.h"

bool CProductContext::start()
{
    if (!CRegistryConfig::prepareRegistry())
        return false;
    m_language = CRegistryConfig::currentLanguage();
    return m_settings.load();
}

VersionRuleSource CProductContext::versionRules() const
{
    return VersionRuleSource {m_settings.upDownGradeDocument(), m_settings.regionName()};
}
