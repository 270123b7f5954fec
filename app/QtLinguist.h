#pragma once

#include <QLocale>
#include <QMap>
#include <QObject>
#include <QString>
#include <QTranslator>

// The translation manager: fifteen languages by index, one ".qm" file each in "translation/"
// beside the executable, one translator reused for every load.
class QtLinguist : public QObject
{
    Q_OBJECT

public:
    enum Language {
        Zh_SM = 1,
        Zh_TR,
        English,
        Japanese,
        Korean,
        Russian,
        Arabic,
        Spanish,
        Portugal,
        German,
        Italian,
        Polish,
        French,
        Ukrainian,
        Czech,
    };
    Q_ENUM(Language)

    QtLinguist();

    int getSystemLanguage() const;
    static int languageForLocale(const QLocale &locale);
    // Installs the translation of a language index; false (and nothing installed) when the
    // index is unknown or its file does not load.
    bool setLanguage(int index);

private:
    QTranslator m_translator;
    QMap<int, QString> m_fileMap;
};
