#pragma once

#include <QString>
#include <QWidget>

namespace Ui {
class DCatchKeyAndMouseItem;
}

// One row of the macro editor's event list: kind and direction icons, the delay and the key or
// button; the delete button shows while the pointer is over the row. It never writes the file.
class DCatchKeyAndMouseItem : public QWidget
{
    Q_OBJECT

public:
    explicit DCatchKeyAndMouseItem(QString mark, QWidget *parent = nullptr);
    ~DCatchKeyAndMouseItem() override;

    void setData(int delay, QString type, int keyCode, QString codeName, QString operateExplain);
    void setDelay(int delay);
    // The partner's look: filled, normal texts.
    void setHighlighted(bool highlighted);
    // The clicked row's look: filled, texts in the accent colour.
    void setSelected(bool selected);

    QString mark() const { return m_mark; }
    QString delay() const { return m_delay; }
    QString type() const { return m_type; }
    QString keyCode() const { return m_keyCode; }
    QString codeName() const { return m_codeName; }
    QString operateExplain() const { return m_operateExplain; }

    // The event text a row shows for a type and code name.
    static QString eventText(const QString &type, const QString &codeName);

signals:
    void sigDeleteKeyAndMouseEvent();
    void sigKeyOrMouseEventClick(QString delay, QString type, QString keyCode, QString codeName,
                                 QString operateExplain);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private slots:
    void on_pushButton_Delete_clicked();

private:
    void applyLook(bool filled, const QString &labelColor);

    Ui::DCatchKeyAndMouseItem *m_ui;
    const QString m_mark;
    QString m_delay;
    QString m_type;
    QString m_keyCode;
    QString m_codeName;
    QString m_operateExplain;
    QString m_borderColor = "52,52,86";
    QString m_selectedColor = "42,42,65";
    QString m_hoverColor = "42,42,65";
    QString m_centerBgColor = "32,32,55";
    QString m_textColor = "175,175,175";
    QString m_checkedTextColor = "255,143,31";
    QString m_textFont = "Microsoft YaHei";
};
