#include "sdk/store/VorlanXml.h"

#include "sdk/store/XmlStore.h"

using xmlstore::XmlStore;

VorlanXmlBatch::VorlanXmlBatch()
{
    XmlStore::instance().beginBatch();
}

VorlanXmlBatch::~VorlanXmlBatch()
{
    if (m_open)
        XmlStore::instance().endBatch(false);
}

bool VorlanXmlBatch::commit()
{
    if (!m_open)
        return false;
    m_open = false;
    return XmlStore::instance().endBatch(true);
}
