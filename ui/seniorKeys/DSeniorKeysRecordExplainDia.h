#pragma once

#include <QWidget>

class Ui_DSeniorKeysRecordExplainDia;

// The content of the advanced-key editor's hover help: kind 1 explains the key-entry modes,
// kind 2 the kinds DKS, MT and TGL, kind 3 is empty.
class DSeniorKeysRecordExplainDia : public QWidget
{
    Q_OBJECT

public:
    DSeniorKeysRecordExplainDia(int type, QWidget *parent = nullptr);
    ~DSeniorKeysRecordExplainDia() override;

private:
    Ui_DSeniorKeysRecordExplainDia *m_ui;
};
