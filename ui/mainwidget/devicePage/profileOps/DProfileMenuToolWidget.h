#pragma once

#include <QWidget>

namespace Ui {
class DProfileMenuToolWidget;
}

// The profile button's menu: reports which entry was released; the device page does the rest.
// Built anew at each opening, so it takes the theme once.
class DProfileMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DProfileMenuToolWidget(QWidget *parent = nullptr);
    ~DProfileMenuToolWidget() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    // The menu's style sheet for a theme's entry colours (r,g,b texts) and font family.
    static QString styleSheetFor(const QString &textColor, const QString &background, const QString &hover,
                                 const QString &pressed, const QString &fontFamily);

signals:
    void sigCloseMenuWidow();
    void sigProfileCreate();
    void sigProfileExport();
    void sigProfileImport();
    void sigProfileDelete();
    void sigProfileModifyName();

private:
    Ui::DProfileMenuToolWidget *ui;
};
