#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class ArrowWidget;

namespace Ui {
class DMacroListItem;
}

// One macro of the editor's macro list: its name, the operate button with the row's menu, and the
// in-place rename, which is the one change the row writes to the macro file itself.
class DMacroListItem : public QWidget
{
    Q_OBJECT

public:
    explicit DMacroListItem(QWidget *parent = nullptr);
    ~DMacroListItem() override;

    void setMacroXmlPath(const char *path);
    void setMacroIndexAndName(QString index, QString name);
    void setSelected(bool selected);

    QString macroIndex() const { return m_macroIndex; }
    QString macroName() const { return m_macroName; }
    // The newest menu box; null until the operate button was first clicked.
    ArrowWidget *menuBox() const;

signals:
    void sigMacroItemMouseClicked(QString strMacroIndex, QString strMacroName);
    void sigModifyMacroItemNameIsEmpty();
    void sigModifyMacroItemNameSuccess();
    void sigExportMacroChildList(QString strMacroIndex, QString strMacroName);
    void sigDeleteMacro(QString strMacroIndex, QString strMacroName);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void onCloseMenuWidow();
    void onMacroExport();
    void onMacroDelete();
    void onMacroModifyNanme();
    void on_pushButton_MacroOperate_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void startRenaming();

    Ui::DMacroListItem *m_ui;
    char m_macroXmlPath[256] = {};
    QString m_macroName;
    QString m_macroIndex = "-1";
    QPointer<ArrowWidget> m_menuBox;
    QString m_borderColor;
    QString m_selectedColor;
    QString m_hoverColor;
};
