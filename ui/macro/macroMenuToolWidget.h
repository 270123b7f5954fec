#pragma once

#include <QWidget>

namespace Ui {
class macroMenuToolWidget;
}

// The macro row's pop-up menu: Export, Delete, Modify Name. A mouse-button release on an entry
// emits the close signal first, then the entry's signal.
class macroMenuToolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit macroMenuToolWidget(QWidget *parent = nullptr);
    ~macroMenuToolWidget() override;

signals:
    void sigCloseMenuWidow();
    void sigMacroExport();
    void sigMacroDelete();
    void sigMacroModifyNanme();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::macroMenuToolWidget *m_ui;
};
