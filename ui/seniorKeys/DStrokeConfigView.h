#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QWidget>

class Ui_DStrokeConfigView;

// The pop-up that sets the first and fourth travel point of a DKS advanced key with one slider
// (0.1 mm to 3.6 mm). It writes the record itself on every slider release and signals only a
// successful write.
class DStrokeConfigView : public QWidget
{
    Q_OBJECT

public:
    explicit DStrokeConfigView(QWidget *parent = nullptr);
    ~DStrokeConfigView() override;

    void setSeniorKeyInfo(SeniorKeyInfoStu info);
    SeniorKeyInfoStu getSeniorKeyInfo() const;

    // A travel value in units of 0.1 mm as shown: "1.5mm".
    static QString travelText(int value);

signals:
    void sigTheStrokeConfigViewClose();
    void sigTheDKSStrokeStuChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void onSliderStrokeViewValue(int Value);
    void onSliderStrokeViewReleased();
    void onSliderStrokeViewPressed();
    void on_pushButton_Close_clicked();

private:
    void applyTheme();

    Ui_DStrokeConfigView *m_ui;
    SeniorKeyInfoStu m_seniorKeyInfo;
};
