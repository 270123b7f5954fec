#pragma once

#include "sdk/store/VorlanXmlRecords.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

class QLabel;

// What every key-function page shares: the selected key and the profile it works on, taken afresh
// from the data manager at each load (so a page never stores for a key or profile other than the
// ones current when it was last shown), the read of the key's entry and the store that replaces it.
class DKeyFunctionPage : public QWidget
{
    Q_OBJECT

public:
    // The page edits stored types firstType to lastType; -1 for a page that owns none.
    DKeyFunctionPage(int firstType, int lastType, QWidget *parent = nullptr);

    virtual void retranslate();
    virtual void applyTheme();
    virtual void loadCurrentKeyInfo();
    virtual void clearPage() {}

    int keyDec() const { return m_keyDec; }
    QString keyName() const { return m_keyName; }
    int profileIndex() const { return m_profileIndex; }
    QByteArray profileXmlPath() const { return QByteArray(m_profileXmlPath); }
    bool isOwnType(int type) const { return type >= 0 && type >= m_firstType && type <= m_lastType; }

signals:
    void sigShoudUpdateKeyboard(int keyDec);
    void sigCustomKeyInfoSaveSuccessful();

protected:
    // The selected key and the current layer's file and profile index.
    void takeCurrentKey();
    void takeCurrentProfile();
    void takeMagneticProfile();
    KeyOperateInfo readEntry() const;
    // An entry of this page's type was found: show it.
    virtual void showEntry(const KeyOperateInfo &info) { Q_UNUSED(info); }
    // Stores the key's operation (delete, then add) and reports it once the file holds it.
    void storeKeyOperate(int operateType, const QByteArray &count, const QByteArray &mode, const QByteArray &value);

    // A page whose body is only its title.
    void setTitle(const char *text);

    int m_profileIndex = 1;
    char m_profileXmlPath[256] = {};
    int m_keyDec = -1;
    QString m_keyName;

private:
    int m_firstType;
    int m_lastType;
    const char *m_titleText = nullptr;
    QLabel *m_titleLabel = nullptr;
};
