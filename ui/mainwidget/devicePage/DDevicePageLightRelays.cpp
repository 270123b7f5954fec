// The device page's relays between the lighting tab, the light engine, the keyboard view and the
// keyboard's own light changes.
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"
#include "ui/mainwidget/devicePage/profiles/CustomLightCap.h"
#include "ui/mainwidget/devicePage/profiles/LightRelayRules.h"
#include "widgets/dragShowArea.h"
#include "widgets/hidDeviceJoinFrame.h"
#include "widgets/keySelectFrame.h"
#include "widgets/keyboardButCustom.h"

#include <list>

namespace {

constexpr int kTriggerTab = 4;

void setKeysHover(bool enabled)
{
    if (keySelectFrame *picture = DDataManager::instance()->getKeySelectFrame())
        picture->setKeysHoverEnabled(enabled);
}

} // namespace

void DDevicePage::onInteractLightsPointXY(int row, int column)
{
    m_lightEngine->setInteractLightsPointXY(row, column);
}

void DDevicePage::onSelectCurrentLightTypeIndex_KB(int lightIndex, colorInfoData info)
{
    // Leaving the custom light drops the keys selected for painting.
    if (LightRelayRules::paintsKeys(m_currentKeyboardLightType) && !LightRelayRules::paintsKeys(lightIndex)
        && m_keyView != nullptr)
        m_keyView->selectKeysInRect(0, 0, 0, 0);
    m_customKeysPage->setInteractLightHook(LightRelayRules::isKeyReactiveLightMode(info.lightMode), 0);
    const bool paints = LightRelayRules::paintsKeys(lightIndex);
    if (m_dragArea != nullptr)
        m_dragArea->setDragEnabled(paints);
    setKeysHover(paints);
    m_currentKeyboardLightType = lightIndex;
    m_lightEngine->setKeyboardColorInfoDataStu(info);
}

void DDevicePage::onSelectCurrentLightTypeIndex_Side(int, colorInfoData info)
{
    m_lightEngine->setSideColorInfoDataStu(info);
}

void DDevicePage::onLightConfigHaveChanged(int, colorInfoData info)
{
    if (info.area == 0)
        m_lightEngine->setKeyboardColorInfoDataStuHaveChanged(info);
    else if (info.area == 1)
        m_lightEngine->setSideColorInfoDataStuHaveChanged(info);
}

void DDevicePage::onLightConfigHaveChanged_Custom(int, colorInfoData info)
{
    const QColor colour(info.colorR, info.colorG, info.colorB, 255);
    if (m_keyView != nullptr) {
        for (keyboardButCustom *cap : m_keyView->getDragSelection()) {
            cap->setLightColor(colour);
            cap->setCustomLightColor(colour);
        }
    }
    m_lightEngine->sendCustomLed(1, m_customLightSlot);
    saveCustomLightSet();
    m_lightsPage->resendCustomLight();
}

void DDevicePage::saveCustomLightSet()
{
    const int set = m_lightsPage->getCurrentCustomLightIndex();
    if (set < 0)
        return;
    const QByteArray setText = QByteArray::number(set);
    const QByteArray profile = QByteArray::number(m_profileIndex);
    if (!CVorlanXML_ClearProFileCustomLightNode(m_profileXmlPath, profile.constData(), setText.constData()))
        return;
    QVector<CustomLightCap> caps;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 22; ++column) {
            const keyboardButCustom *cap = m_keyMatrix[row][column];
            if (cap != nullptr)
                caps.append({cap->getKeyDec(), cap->getKeyCharacter(), cap->getRowIndex(), cap->getColumnIndex(),
                             cap->getCustomLightColor()});
        }
    }
    for (const CustomLightItemStu &item : LightRelayRules::customLightItems(caps))
        CVorlanXML_AddProFileCustomLightDataInfo(m_profileXmlPath, profile.constData(), setText.constData(), item);
}

void DDevicePage::onCustomLightItemHaveChanged(int flagIndex, QString setIndex, QString)
{
    const QColor black(0, 0, 0, 255);
    for (auto &row : m_keyMatrix) {
        for (keyboardButCustom *cap : row) {
            if (cap == nullptr)
                continue;
            cap->setLightColor(black);
            cap->setCustomLightColor(black);
        }
    }
    std::list<CustomLightItemStu> items;
    CVorlanXML_ProFileCustomLightInfoSelectAll(m_profileXmlPath, QByteArray::number(m_profileIndex).constData(),
                                               setIndex.toUtf8().constData(), &items);
    for (const CustomLightItemStu &item : items) {
        if (item.indexX < 0 || item.indexX > 5 || item.indexY < 0 || item.indexY > 21)
            continue;
        keyboardButCustom *cap = m_keyMatrix[item.indexX][item.indexY];
        if (cap == nullptr)
            continue;
        const QColor colour(item.colorR, item.colorG, item.colorB, 255);
        cap->setLightColor(colour);
        cap->setCustomLightColor(colour);
    }
    m_customLightSlot = flagIndex;
    m_lightEngine->sendCustomLed(0, flagIndex);
}

void DDevicePage::onLightConfigHaveChanged_HidSend(int hidType, int ledType)
{
    m_lightsPage->switchLightArea(hidType, 0);
    if (hidType == 0) {
        if (m_currentPageIndex != kTriggerTab) {
            if (m_keyView != nullptr)
                m_keyView->selectKeysInRect(0, 0, 0, 0);
            if (m_dragArea != nullptr)
                m_dragArea->setDragEnabled(false);
            setKeysHover(false);
        }
        m_customKeysPage->setInteractLightHook(LightRelayRules::isKeyReactiveLightMode(ledType), 0);
    }
    if (m_currentPageIndex == 0)
        setKeysHover(true);
}

void DDevicePage::onCustomLight_ConfigHaveChanged_HidSend0x09(int, int, int usingCustomIndex)
{
    if (m_currentPageIndex != kTriggerTab) {
        if (m_keyView != nullptr)
            m_keyView->selectKeysInRect(0, 0, 0, 0);
        if (m_dragArea != nullptr)
            m_dragArea->setDragEnabled(true);
        setKeysHover(true);
    }
    m_lightsPage->selectCustomLight(0, 0, usingCustomIndex);
}
