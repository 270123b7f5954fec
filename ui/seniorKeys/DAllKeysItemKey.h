#pragma once

#include <QPushButton>
#include <QString>

// One key of the all-keys picker: its code and caption, the caption shown as its text.
class DAllKeysItemKey : public QPushButton
{
    Q_OBJECT

public:
    DAllKeysItemKey();

    void setKeyInfo(int keyDec, QString keyCharacter);
    int getKeyDec() const { return keyDec; }
    QString getKeyCharacter() const { return keyCharacter; }

private:
    int keyDec = 0;
    QString keyCharacter;
};
