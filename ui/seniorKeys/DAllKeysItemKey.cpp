#include "ui/seniorKeys/DAllKeysItemKey.h"

DAllKeysItemKey::DAllKeysItemKey()
    : QPushButton(nullptr)
{
}

void DAllKeysItemKey::setKeyInfo(int keyDec, QString keyCharacter)
{
    this->keyDec = keyDec;
    this->keyCharacter = keyCharacter;
    setText(this->keyCharacter);
}
