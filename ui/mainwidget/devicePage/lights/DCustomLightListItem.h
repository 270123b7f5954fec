#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class DCustomLightListItem;
}

// One custom light set of the lighting tab's list: its check box (in use in a keyboard slot), its
// name, and the in-place rename, which the row stores itself.
class DCustomLightListItem : public QWidget
{
    Q_OBJECT

public:
    // The set record's name field holds 64 bytes with its terminator.
    static constexpr int kMaxNameBytes = 63;

    explicit DCustomLightListItem(QWidget *parent = nullptr);
    ~DCustomLightListItem() override;

    void setNodeInfo(QString index, QString name, QString usingStatus, int usingSlot);
    void applyTheme();
    void setItemSelected(bool selected);
    void setUsingChecked(bool checked);

    QString getIndex() const { return m_nodeIndex; }
    QString getName() const { return m_nodeName; }
    QString getUsingStatus() const { return m_usingStatus; }
    int getUsingSlot() const { return m_usingSlot; }
    void setUsingStatus(QString status) { m_usingStatus = status; }
    void setUsingSlot(int slot) { m_usingSlot = slot; }
    bool isItemSelected() const { return m_isSelected; }

    // The longest start of name that fits kMaxNameBytes in UTF-8 without splitting a character.
    static QString fitName(const QString &name);

signals:
    void sigCustomLightItemMouseClicked(QString, QString);
    void sigModifyCustomLightItemNameIsEmpty();
    void sigModifyCustomLightItemNameSuccess();
    void sigCustomLightUsingStatus(bool);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void on_checkBox_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void limitNameField(const QString &text);

    Ui::DCustomLightListItem *m_ui;
    QString m_nodeIndex = "-1";
    QString m_nodeName;
    QString m_usingStatus;
    int m_usingSlot = -1;
    bool m_isSelected = false;
    QString m_selectedBgColor = "42,42,65";
    QString m_hoverBgColor = "37,37,60";
    QString m_bgColor;
    QString m_textColor;
    QString m_selectedTextColor;
    QString m_fontFamily;
};
