// Key-function texts of the data manager.

#include "app/DDataManager.h"

#include "app/KeyOperateText.h"

QString DDataManager::getKeyOperateDescription(KeyOperateInfo info)
{
    KeyOperateText::Sources sources;
    sources.keyNames = m_keyNameMap;
    sources.macroXmlPath = m_macroXmlPath;
    sources.seniorKeyXmlPath = m_seniorKeyXmlPath;
    sources.profileXmlPath = m_currentProfileXmlPath;
    return KeyOperateText::describe(info, sources, &m_lastKeyValueText);
}

QString DDataManager::getKeyOperateValueText() const
{
    return m_lastKeyValueText;
}
