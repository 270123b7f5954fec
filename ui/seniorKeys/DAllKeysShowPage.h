#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QWidget>

class FlowLayout;
class Ui_DAllKeysShowPage;

// The advanced-key editor's key picker: one button per key of the all-keys table, in the groups
// Key Combination, Normal Keys and Special Keys. A click reports the key; the picker keeps no
// selection. It also provides the code-to-caption map the editor's rows write key texts with.
class DAllKeysShowPage : public QWidget
{
    Q_OBJECT

public:
    explicit DAllKeysShowPage(QWidget *parent = nullptr);
    ~DAllKeysShowPage() override;

    QMap<int, QString> getKeyMap() const;

signals:
    void sigKeyListClicked(int keyDec, QString keyCharacter);
    // Emitted once, at the end of loading inside the constructor.
    void sigAllKeysInfoAlreadyLoadedA();

public slots:
    void onKeyButtonClicked();

private:
    void loadKeyboardInfo();
    void parseAllKeysInfo(const QByteArray &text);

    Ui_DAllKeysShowPage *m_ui;
    FlowLayout *m_keyCombinationLayout;
    FlowLayout *m_normalKeysLayout;
    FlowLayout *m_specialKeysLayout;
    QMap<int, QString> m_keyMap;
};
