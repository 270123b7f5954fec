#pragma once

#include <QWidget>

namespace Ui {
class DFirwareInfoItem;
}

// One row of the firmware information: the identity above, the version below, in fixed colours.
class DFirwareInfoItem : public QWidget
{
    Q_OBJECT

public:
    explicit DFirwareInfoItem(QWidget *parent = nullptr);
    ~DFirwareInfoItem() override;

    void setInfo(const QString &key, const QString &value);

private:
    Ui::DFirwareInfoItem *ui;
};
