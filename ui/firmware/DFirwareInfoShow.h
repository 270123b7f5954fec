#pragma once

#include <QDialog>
#include <QMap>
#include <QString>

class QVBoxLayout;

namespace Ui {
class DFirwareInfoShow;
}

// The firmware information of every connected keyboard the SDK can describe, one row per
// identity. Read once, shortly after the dialog opens.
class DFirwareInfoShow : public QDialog
{
    Q_OBJECT

public:
    explicit DFirwareInfoShow(QWidget *parent = nullptr);
    ~DFirwareInfoShow() override;

    void clearRows();
    // One row per entry, in key order, above the list's spacer.
    void fillRows(QMap<QString, QString> rows);

private slots:
    void onLoadingFirmwareInfo();

private:
    Ui::DFirwareInfoShow *ui;
    QVBoxLayout *m_rowsLayout = nullptr;
};
