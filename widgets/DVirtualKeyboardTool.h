#pragma once

#include <QWidget>

#include <memory>

class DSoftKeyboardPage;

namespace Ui {
class DVirtualKeyboardTool;
}

// Titled panel "Virtual Keyboard" hosting one on-screen keyboard page.
class DVirtualKeyboardTool : public QWidget
{
    Q_OBJECT

public:
    explicit DVirtualKeyboardTool(int mode, QWidget *parent = nullptr);
    ~DVirtualKeyboardTool() override;

    void retranslate();
    void applyTheme();
    void setSelectEnabled(bool on);
    void deselectKey(int keyDec);
    void clearSelectedKeys();

    DSoftKeyboardPage *keyboardPage() const { return m_page; }

signals:
    void sigSoftKeyboardClicked_VirtualKB(int keyDec);

public slots:
    void onSoftKeyboardClicked(int keyDec, QString keyCharacter);

private:
    std::unique_ptr<Ui::DVirtualKeyboardTool> m_ui;
    DSoftKeyboardPage *m_page;
};
