// The custom light sets of the lighting tab: the list of the profile's sets, the set shown for
// painting, and the sets in use in the keyboard's two slots.
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"

#include "sdk/store/VorlanXml.h"
#include "sdk/store/XmlFields.h"
#include "ui/mainwidget/devicePage/lights/DCustomLightListItem.h"

#include "ui_DLightsConfigPage.h"

#include <list>

namespace {

constexpr int kCustomButtonId = 17;

QString recordText(const char *field, std::size_t size)
{
    return QString::fromStdString(xmlstore::fieldText(field, size));
}

} // namespace

void DLightsConfigPage::clearCustomLightRows()
{
    QLayout *layout = m_ui->verticalLayout_39;
    // The last item is the spacer that keeps the rows at the top.
    while (layout->count() > 1) {
        QLayoutItem *item = layout->takeAt(0);
        if (QWidget *row = item->widget())
            row->deleteLater();
        delete item;
    }
}

void DLightsConfigPage::loadCustomLightSets()
{
    clearCustomLightRows();
    m_customLightItems.clear();
    m_currentCustomLightItem = nullptr;

    std::list<CustomLightNodeStu> sets;
    CVorlanXML_SelectProFileCustomLightAllNodes(m_profileXmlPath, profileIndexText().constData(), &sets);
    for (const CustomLightNodeStu &set : sets) {
        auto *row = new DCustomLightListItem(m_ui->scrollAreaWidgetContents_3);
        connect(row, &DCustomLightListItem::sigCustomLightItemMouseClicked, this,
                &DLightsConfigPage::onCustomLightItemMouseClicked);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameIsEmpty, this,
                &DLightsConfigPage::onModifyCustomLightItemNameIsEmpty);
        connect(row, &DCustomLightListItem::sigModifyCustomLightItemNameSuccess, this,
                &DLightsConfigPage::onModifyCustomLightItemNameSuccess);
        connect(row, &DCustomLightListItem::sigCustomLightUsingStatus, this,
                &DLightsConfigPage::onCustomLightUsingStatus);
        row->setNodeInfo(recordText(set.index, sizeof set.index), recordText(set.name, sizeof set.name),
                         recordText(set.isUsing, sizeof set.isUsing), set.usingFlagIndex);
        m_ui->verticalLayout_39->insertWidget(m_ui->verticalLayout_39->count() - 1, row);
        row->applyTheme();
        m_customLightItems.append(row);
        // The first set in use in the current slot is the one shown.
        const bool shown =
            !m_currentCustomLightItem && row->getUsingStatus() == "Using" && row->getUsingSlot() == m_customLightSlot;
        if (shown)
            m_currentCustomLightItem = row;
        row->setItemSelected(shown);
    }
    if (m_currentCustomLightItem)
        emit sigCustomLightItemHaveChanged(m_currentCustomLightItem->getUsingSlot(),
                                           m_currentCustomLightItem->getIndex(), m_currentCustomLightItem->getName());
}

void DLightsConfigPage::selectCustomLightRow(DCustomLightListItem *row)
{
    for (DCustomLightListItem *item : m_customLightItems)
        item->setItemSelected(item == row);
    m_currentCustomLightItem = row;
}

void DLightsConfigPage::onCustomLightItemMouseClicked(QString, QString)
{
    auto *row = qobject_cast<DCustomLightListItem *>(sender());
    if (!row)
        return;
    m_customLightSlot = row->getUsingSlot();
    if (row == m_currentCustomLightItem)
        return;
    selectCustomLightRow(row);
    emit sigCustomLightItemHaveChanged(row->getUsingSlot(), row->getIndex(), row->getName());
}

void DLightsConfigPage::onModifyCustomLightItemNameIsEmpty()
{
    emit sigSomeMessageTip_LightsConfigPage(QObject::tr("Custom light name can't be empty"));
}

void DLightsConfigPage::onModifyCustomLightItemNameSuccess()
{
    emit sigSomeMessageTip_LightsConfigPage(QObject::tr("Modify custom light name successful"));
}

void DLightsConfigPage::onCustomLightUsingStatus(bool isUsing)
{
    auto *row = qobject_cast<DCustomLightListItem *>(sender());
    if (!row)
        return;
    selectCustomLightRow(row);
    if (!isUsing)
        return;
    int inUse = 0;
    DCustomLightListItem *slotRows[2] = {nullptr, nullptr};
    for (DCustomLightListItem *item : m_customLightItems) {
        if (item->getUsingStatus() != "Using")
            continue;
        ++inUse;
        const int slot = item->getUsingSlot();
        if ((slot == 0 || slot == 1) && !slotRows[slot])
            slotRows[slot] = item;
    }
    if (m_customLightSlot == -1)
        m_customLightSlot = 0;
    // Only two sets in use, one in each slot, can swap; otherwise nothing changes and the box goes
    // back to what is stored.
    const bool swappable = inUse == 2 && slotRows[0] && slotRows[1];
    DCustomLightListItem *released = swappable ? slotRows[m_customLightSlot == 0 ? 0 : 1] : nullptr;
    if (!released) {
        row->setUsingChecked(row->getUsingStatus() == "Using");
        return;
    }
    if (released == row)
        return;
    const QByteArray profile = profileIndexText();
    CVorlanXML_ModifyProFileCustomLightNodeUsingStatus(m_profileXmlPath, profile.constData(),
                                                       released->getIndex().toUtf8().constData(), "UnUsing", -1);
    released->setUsingChecked(false);
    released->setUsingSlot(-1);
    released->setUsingStatus("UnUsing");
    CVorlanXML_ModifyProFileCustomLightNodeUsingStatus(
        m_profileXmlPath, profile.constData(), row->getIndex().toUtf8().constData(), "Using", m_customLightSlot);
    row->setUsingChecked(true);
    row->setUsingSlot(m_customLightSlot);
    row->setUsingStatus("Using");
    // The device page puts the set's colours on the key caps before this returns.
    emit sigCustomLightItemHaveChanged(m_customLightSlot, row->getIndex(), "CustomLight");
    sendCustomLightFrames(m_customLightSlot);
}

int DLightsConfigPage::getCurrentCustomLightIndex() const
{
    if (!m_currentCustomLightItem)
        return -1;
    bool ok = false;
    const int index = m_currentCustomLightItem->getIndex().toInt(&ok);
    return ok ? index : -1;
}

void DLightsConfigPage::resendCustomLight()
{
    if (m_customLightSlot != -1)
        sendCustomLightFrames(m_customLightSlot);
}

void DLightsConfigPage::selectCustomLight(int, int, int slot)
{
    m_customLightSlot = slot;
    m_ui->frame_D->show();
    m_resetSlotOnCustom = false;
    onCurIndexChanged_KB_LightMode(kCustomButtonId);
    m_resetSlotOnCustom = true;
    emit sigLightConfigHaveChanged(LIGHT_CHANGE_CUSTOM_SLOT, m_currentLight);
}
