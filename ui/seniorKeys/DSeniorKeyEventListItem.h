#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QMap>
#include <QString>
#include <QWidget>

class Ui_DSeniorKeyEventListItem;

// One row of the advanced-key list: the key's name and its key texts in readable form, a
// selected and a normal look, a click signal for the whole row and a delete button.
class DSeniorKeyEventListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DSeniorKeyEventListItem(QWidget *parent = nullptr);
    ~DSeniorKeyEventListItem() override;

    // The picker's captions by key code; used by the next setSeniorKeyInfo.
    void setKeyNameMap(QMap<int, QString> keyNameMap);
    void setSeniorKeyInfo(SeniorKeyInfoStu info);
    void setSelectedStyle(bool selected);
    QString keyFieldToText(QString keyField) const;

signals:
    void sigSeniorKeyEventItemClick(int bindingIndex);
    void sigDeleteSeniorKeyEventItem(int keyType, int bindingIndex);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void on_pushButton_DeleteEvent_clicked();

private:
    Ui_DSeniorKeyEventListItem *m_ui;
    QMap<int, QString> m_keyNameMap;
    SeniorKeyInfoStu m_seniorKeyInfo;
};
