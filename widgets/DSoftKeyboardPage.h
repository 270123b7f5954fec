#pragma once

#include <QList>
#include <QMap>
#include <QWidget>

#include <memory>

class SoftKeyboardButCustom;

namespace Ui {
class DSoftKeyboardPage;
}

// The on-screen keyboard: keys built from a layout file; in mode 1 clicked keys can be selected,
// at most two of them modifiers.
class DSoftKeyboardPage : public QWidget
{
    Q_OBJECT

public:
    explicit DSoftKeyboardPage(QWidget *parent = nullptr);
    ~DSoftKeyboardPage() override;

    void loadKeyboardInfo(const QString &model);
    void setMode(int mode);
    void setSelectEnabled(bool on);
    void clearSelectedKeys();
    void deselectKey(int keyDec);
    void applyTheme();

    QMap<int, SoftKeyboardButCustom *> keyButtons() const { return m_keyMap; }
    QMap<int, QString> keyNameMap() const { return m_keyNameMap; }
    QMap<int, int> virtualKeyMap() const { return m_virtualKeyMap; }
    int selectedKeyCount() const { return m_selectedKeys.size(); }
    int modifierCount() const { return m_modifierCount; }

    static bool isModifier(int keyDec) { return keyDec >= 224 && keyDec <= 231; }

signals:
    void sigSoftKeyboardClicked(int keyDec, QString keyCharacter);
    void sigSoftKeyboardAlreadyLoad();

public slots:
    void onKeyButtonClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    bool buildKeys(const QByteArray &text);

    std::unique_ptr<Ui::DSoftKeyboardPage> m_ui;
    int m_mode = -1;
    bool m_selectEnabled = false;
    QMap<int, QString> m_keyNameMap;
    QMap<int, int> m_virtualKeyMap;
    QMap<int, SoftKeyboardButCustom *> m_keyMap;
    QList<SoftKeyboardButCustom *> m_selectedKeys;
    int m_modifierCount = 0;
    QString m_selectedTextColor = QStringLiteral("255,49,53");
    QString m_textColor = QStringLiteral("30,30,30");
    QString m_keyColor = QStringLiteral("75,75,75");
    int m_layoutNumber = 31;
};
