#pragma once

#include <QWidget>

namespace Ui {
class DLoginWidget;
}

// The invisible start widget: it reports a successful login at once and fades out.
class DLoginWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DLoginWidget(QWidget *parent = nullptr);
    ~DLoginWidget() override;

    void fadeOut();

signals:
    void sigLoginFinished(bool bok);

public slots:
    void on_pushButton_Login_clicked();

private:
    Ui::DLoginWidget *m_ui;
};
