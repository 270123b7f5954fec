#pragma once

#include <QWidget>

// The advanced-key editor: a frameless dialog that deletes itself when it closes.
class DSeniorKeysPage : public QWidget
{
    Q_OBJECT

public:
    explicit DSeniorKeysPage(QWidget *parent = nullptr);

signals:
    void sigSeniorKeysPageClose();

private slots:
    void on_pushButton_Close_clicked();
};
