#include "app/QtLinguist.h"
#include "tests/app/TsFileCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <cstdio>
#include <cstring>

namespace {

QString translationDir()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translation");
}

QString trQObject(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

const char *const languageFiles[] = {"Zh_SM",   "Zh_TR",  "English", "Japanese",  "Korean",
                                     "Russian", "Arabic", "Spanish", "Portugal",  "German",
                                     "Italian", "Polish", "French",  "Ukrainian", "Czech"};

QString tsPath(const QString &language)
{
    return QStringLiteral(VORLAN_TRANSLATIONS_DIR "/") + language + QStringLiteral(".ts");
}

// Texts that a language shows as the source has them: codes, units, names, legends, and words the
// language shares with English. Languages are listed by file key; none listed means every language.
struct KeptText
{
    const char *source;
    const char *languages;
};

const KeptText keptTexts[] = {
    // Form titles and texts the code replaces before they show.
    {"Form", nullptr},
    {"TextLabel", nullptr},
    {"Version---Text", nullptr},
    {"Company Name Placeholder", nullptr},
    {"Default LikeName", nullptr},
    {"Macro01", nullptr},
    {"Custom Light Item", nullptr},
    {"Chip,Model", nullptr},
    {"Explain", nullptr},
    {"1.Explain", nullptr},
    {"2.Explain", nullptr},
    {"3.Explain", nullptr},
    {"4.Explain", nullptr},
    {"5.Explain", nullptr},
    {"NULL", nullptr},
    {"V1.0.0.0.1", nullptr},
    {"V1.00.00", nullptr},
    {"V1.00.11", nullptr},
    {"V_2022.07.14.0001", nullptr},
    {"https://osterlin.example/", nullptr},
    {"https://example.invalid/", nullptr},
    {"<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span><a href=\"Company|%1|\">"
     "<span style=\"font-size:12pt; text-decoration:underline; color:rgb(%2);\">%1</span>",
     nullptr},
    // Names, units and codes.
    {"VORLAN", nullptr},
    {"Vorlan", nullptr},
    {"VORLAN888", nullptr},
    {"USB", nullptr},
    {"HID", nullptr},
    {"RGB", nullptr},
    {"DPI", nullptr},
    {"DKS", nullptr},
    {"MT", nullptr},
    {"TGL", nullptr},
    {"FL", nullptr},
    {"MS", nullptr},
    {"0 MS", nullptr},
    {"99999 MS", nullptr},
    {"1000MS", nullptr},
    {"1K", nullptr},
    {"0.1mm", nullptr},
    {"1.0mm", nullptr},
    {"2.0mm", nullptr},
    {"3.0mm", nullptr},
    {"4.0mm", nullptr},
    {"A", nullptr},
    {"B", nullptr},
    {"C", nullptr},
    {"D", nullptr},
    {"G", nullptr},
    {"R", nullptr},
    // Words a language shares with English.
    {"Bluetooth 1", "German French Italian Spanish Portugal Polish Russian Ukrainian Czech Japanese"},
    {"Bluetooth 2", "German French Italian Spanish Portugal Polish Russian Ukrainian Czech Japanese"},
    {"Bluetooth 3", "German French Italian Spanish Portugal Polish Russian Ukrainian Czech Japanese"},
    {"OK", "German French Italian Portugal Polish Ukrainian Czech Japanese"},
    {"Radar", "German French Italian Spanish Portugal Polish Czech"},
    {"Macro", "French Italian Spanish Portugal"},
    {"Neon", "German Italian Polish Czech"},
    {"Multimedia", "German Spanish Polish"},
    {"Volume +", "French Italian Portugal"},
    {"Volume -", "French Italian Portugal"},
    {"Aurora", "Italian Spanish Portugal"},
    {"Reset", "Polish Czech"},
    {"Text", "German Czech"},
    {"Position", "German French"},
    {"Computer", "German Italian"},
    {"Browser", "German Italian"},
    {"No", "Italian Spanish"},
    {"Direction +1", "French"},
    {"Direction -1", "French"},
    {"Collision", "French"},
    {"Mouse", "Italian"},
    {"General", "Spanish"},
    {"Support", "German"},
};

bool containsHan(const QString &text)
{
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Han)
            return true;
    }
    return false;
}

bool hasLetter(const QString &text)
{
    for (const QChar c : text) {
        if (c.isLetter())
            return true;
    }
    return false;
}

TsFileCheck::KeptAsSource keptIn(const QString &language)
{
    return [language](const TsFileCheck::Message &message) {
        if (language == QLatin1String("English") || !hasLetter(message.source) || message.source == message.context)
            return true;
        // The forms' Chinese sources are already Simplified Chinese.
        if (language == QLatin1String("Zh_SM") && containsHan(message.source))
            return true;
        for (const KeptText &kept : keptTexts) {
            if (message.source != QString::fromUtf8(kept.source))
                continue;
            if (!kept.languages)
                return true;
            if (QString::fromLatin1(kept.languages).split(QLatin1Char(' ')).contains(language))
                return true;
        }
        return false;
    };
}

// Runs in a copy of this executable whose translation folder holds one good and two bad files.
int brokenFileChild()
{
    QtLinguist linguist;
    if (!linguist.setLanguage(QtLinguist::Zh_SM) || trQObject("Default") != QString::fromUtf8("默认")) {
        std::fprintf(stderr, "the good file did not load\n");
        return 2;
    }
    if (linguist.setLanguage(QtLinguist::Zh_TR) || linguist.setLanguage(QtLinguist::Japanese)) {
        std::fprintf(stderr, "a corrupt or missing file was reported as loaded\n");
        return 3;
    }
    if (trQObject("Default") != QString::fromUtf8("默认")) {
        std::fprintf(stderr, "a failed load blanked the installed language\n");
        return 4;
    }
    return 0;
}

} // namespace

class tst_QtLinguist : public QObject
{
    Q_OBJECT

private slots:
    void languageForLocale_data();
    void languageForLocale();
    void everyLanguageHasItsFile_data();
    void everyLanguageHasItsFile();
    void unknownIndexInstallsNothing_data();
    void unknownIndexInstallsNothing();
    void loadedFileTranslatesQObjectTexts();
    void everyMessageIsTranslated_data();
    void everyMessageIsTranslated();
    void checkFindsEachFault_data();
    void checkFindsEachFault();
    void everyFileHoldsTheSameMessages();
    void noSourceTextIsMissing();
    void everyLanguageTranslatesEachKind_data();
    void everyLanguageTranslatesEachKind();
    void textsOfEveryKindTranslate_data();
    void textsOfEveryKindTranslate();
    void failedLoadKeepsInstalledLanguage();
};

void tst_QtLinguist::languageForLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("expected");

    QTest::newRow("zh_CN") << "zh_CN" << 1;
    QTest::newRow("zh_TW") << "zh_TW" << 2;
    QTest::newRow("zh_HK") << "zh_HK" << 2;
    QTest::newRow("zh_SG") << "zh_SG" << 2;
    QTest::newRow("en_US") << "en_US" << 3;
    QTest::newRow("nl_NL") << "nl_NL" << 3;
    QTest::newRow("C") << "C" << 3;
    QTest::newRow("ja_JP") << "ja_JP" << 4;
    QTest::newRow("ko_KR") << "ko_KR" << 5;
    QTest::newRow("ru_RU") << "ru_RU" << 6;
    QTest::newRow("ar_EG") << "ar_EG" << 7;
    QTest::newRow("es_MX") << "es_MX" << 8;
    QTest::newRow("pt_BR") << "pt_BR" << 9;
    QTest::newRow("de_AT") << "de_AT" << 10;
    QTest::newRow("it_IT") << "it_IT" << 11;
    QTest::newRow("pl_PL") << "pl_PL" << 12;
    QTest::newRow("fr_CA") << "fr_CA" << 13;
    QTest::newRow("uk_UA") << "uk_UA" << 14;
    QTest::newRow("cs_CZ") << "cs_CZ" << 15;
}

void tst_QtLinguist::languageForLocale()
{
    QFETCH(QString, locale);
    QFETCH(int, expected);
    QCOMPARE(QtLinguist::languageForLocale(QLocale(locale)), expected);
}

void tst_QtLinguist::everyLanguageHasItsFile_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("file");

    int index = 1;
    for (const char *file : languageFiles) {
        QTest::newRow(file) << index << QStringLiteral("%1.qm").arg(QLatin1String(file));
        ++index;
    }
}

void tst_QtLinguist::everyLanguageHasItsFile()
{
    QFETCH(int, index);
    QFETCH(QString, file);

    QVERIFY2(QFile::exists(translationDir() + QLatin1Char('/') + file), qPrintable(file));
    QtLinguist linguist;
    QVERIFY(linguist.setLanguage(index));
}

void tst_QtLinguist::unknownIndexInstallsNothing_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("0") << 0;
    QTest::newRow("16") << 16;
    QTest::newRow("-1") << -1;
}

void tst_QtLinguist::unknownIndexInstallsNothing()
{
    QFETCH(int, index);

    QtLinguist linguist;
    QVERIFY(!linguist.setLanguage(index));
    QCOMPARE(trQObject("Default"), QStringLiteral("Default"));
}

void tst_QtLinguist::loadedFileTranslatesQObjectTexts()
{
    QtLinguist linguist;
    QVERIFY(linguist.setLanguage(QtLinguist::Zh_SM));
    QCOMPARE(trQObject("Unknow"), QString::fromUtf8("未知"));
    QCOMPARE(trQObject("Default"), QString::fromUtf8("默认"));

    // The same translator is reloaded: the new language replaces the old one.
    QVERIFY(linguist.setLanguage(QtLinguist::Zh_TR));
    QCOMPARE(trQObject("Default"), QString::fromUtf8("預設"));
    QVERIFY(linguist.setLanguage(QtLinguist::English));
    QCOMPARE(trQObject("Unknow"), QStringLiteral("Unknow"));
}

void tst_QtLinguist::everyMessageIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : languageFiles)
        QTest::newRow(language) << QString::fromLatin1(language);
}

void tst_QtLinguist::everyMessageIsTranslated()
{
    QFETCH(QString, language);

    QString error;
    const QVector<TsFileCheck::Message> messages = TsFileCheck::read(tsPath(language), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // The device page, the data manager and the forms all have texts; a near-empty file means lost texts.
    QVERIFY2(messages.size() > 150, qPrintable(QString::number(messages.size())));
    const QStringList faults = TsFileCheck::faults(language + QStringLiteral(".ts"), messages, keptIn(language));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_QtLinguist::checkFindsEachFault_data()
{
    QTest::addColumn<QString>("fault");

    QTest::newRow("unfinished") << "QObject: Unfinished: unfinished";
    QTest::newRow("blank") << "QObject: Empty: empty translation";
    QTest::newRow("placeholder") << "QObject: Placeholder %1: placeholders differ";
    QTest::newRow("shortcut lost") << "QObject: Quit(&Q): shortcut letter";
    QTest::newRow("shortcut doubled") << "QObject: Minimize(&N): shortcut letter";
    QTest::newRow("shortcut on a blank") << "QObject: Revert(&R): shortcut letter";
    QTest::newRow("line break") << "QObject: Two\nlines: line breaks differ";
    QTest::newRow("markup") << "QObject: <b>Bold</b>: markup differs";
    QTest::newRow("outer blank") << "QObject: Label: : leading or trailing blanks differ";
    QTest::newRow("copy of the source") << "QObject: Left in English: left as the source";
}

void tst_QtLinguist::checkFindsEachFault()
{
    QFETCH(QString, fault);

    QString error;
    const QVector<TsFileCheck::Message> messages =
        TsFileCheck::read(QStringLiteral(VORLAN_TEST_SOURCE_DIR "/tst_QtLinguist_faults.ts"), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QStringList faults =
        TsFileCheck::faults(QStringLiteral("faults.ts"), messages, keptIn(QStringLiteral("German")));
    // Each broken message gives one line naming file, context and source; the two good ones none.
    QCOMPARE(faults.size(), 10);
    QVERIFY2(faults.filter(QStringLiteral("faults.ts ") + fault).size() == 1,
             qPrintable(faults.join(QLatin1Char('\n'))));
}

void tst_QtLinguist::everyFileHoldsTheSameMessages()
{
    QString error;
    const QSet<QString> english = TsFileCheck::keys(TsFileCheck::read(tsPath(QStringLiteral("English")), &error));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    for (const char *language : languageFiles) {
        const QSet<QString> held = TsFileCheck::keys(TsFileCheck::read(tsPath(QString::fromLatin1(language)), &error));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSet<QString> missing = english;
        QSet<QString> extra = held;
        QStringList differences;
        for (const QString &text : missing.subtract(held))
            differences << QStringLiteral("missing: ") + text;
        for (const QString &text : extra.subtract(english))
            differences << QStringLiteral("extra: ") + text;
        differences.replaceInStrings(QChar(0x1f), QStringLiteral(": "));
        QVERIFY2(differences.isEmpty(), qPrintable(QString::fromLatin1(language) + QStringLiteral(".ts\n")
                                                   + differences.join(QLatin1Char('\n'))));
    }
}

void tst_QtLinguist::noSourceTextIsMissing()
{
    const QString copy = qEnvironmentVariable("VORLAN_TEST_TMP") + QStringLiteral("/English.ts");
    QVERIFY(QFile::copy(tsPath(QStringLiteral("English")), copy));
    QVERIFY(QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner));

    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(VORLAN_SOURCE_DIR));
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(VORLAN_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-extensions"),
                   QStringLiteral("cpp,h,ui"), QStringLiteral("app"), QStringLiteral("device"),
                   QStringLiteral("widgets"), QStringLiteral("ui"), QStringLiteral("-ts"), copy});
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0, lupdate.readAll().constData());

    QString error;
    const QSet<QString> before = TsFileCheck::keys(TsFileCheck::read(tsPath(QStringLiteral("English")), &error));
    const QSet<QString> after = TsFileCheck::keys(TsFileCheck::read(copy, &error));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QSet<QString> gainedKeys = after;
    QStringList gained = gainedKeys.subtract(before).values();
    gained.replaceInStrings(QChar(0x1f), QStringLiteral(": "));
    QVERIFY2(gained.isEmpty(),
             qPrintable(QStringLiteral("texts in the code that the files lack:\n") + gained.join(QLatin1Char('\n'))));
}

void tst_QtLinguist::everyLanguageTranslatesEachKind_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");

    // One text of each kind: code under "QObject", a designed form, a form built in code, a form whose
    // source is Chinese, a widget class, a marked table, a shortcut.
    const char *const kinds[][2] = {{"QObject", "Download config failed, Please try again"},
                                    {"DProfileMenuToolWidget", "Modify Name"},
                                    {"DCustomKeysPage", "Function:"},
                                    {"DDevicePage", "\xe4\xba\xa7\xe5\x93\x81\xe5\x88\x97\xe8\xa1\xa8"},
                                    {"keySelectFrame", "Cannot remapped"},
                                    {"DSoftKeyboardPage", "Korean/English"},
                                    {"DMainWidget", "Quit(&Q)"}};
    int index = 1;
    for (const char *language : languageFiles) {
        for (const auto &kind : kinds) {
            QTest::addRow("%s %s %s", language, kind[0], kind[1])
                << index << QString::fromLatin1(language) << QString::fromLatin1(kind[0]) << QString::fromUtf8(kind[1]);
        }
        ++index;
    }
}

void tst_QtLinguist::everyLanguageTranslatesEachKind()
{
    QFETCH(int, index);
    QFETCH(QString, language);
    QFETCH(QString, context);
    QFETCH(QString, source);

    QString error;
    QString expected;
    for (const TsFileCheck::Message &message : TsFileCheck::read(tsPath(language), &error)) {
        if (message.context == context && message.source == source)
            expected = message.translation;
    }
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(!expected.isEmpty(), "the text is not in the file");

    QtLinguist linguist;
    QVERIFY(linguist.setLanguage(index));
    QCOMPARE(QCoreApplication::translate(context.toUtf8().constData(), source.toUtf8().constData()), expected);
}

void tst_QtLinguist::textsOfEveryKindTranslate_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("simplified");
    QTest::addColumn<QString>("english");

    // Device page code and the data manager's tables translate in "QObject".
    QTest::newRow("device page toast") << "QObject"
                                       << "Download config failed, Please try again"
                                       << QString::fromUtf8("下载配置失败，请重试")
                                       << "Download config failed, Please try again";
    QTest::newRow("device page tab tip") << "QObject"
                                         << "Trigger Setting" << QString::fromUtf8("触发设置") << "Trigger Setting";
    QTest::newRow("data manager table") << "QObject"
                                        << "Screen brightness+" << QString::fromUtf8("屏幕亮度+")
                                        << "Screen brightness+";
    QTest::newRow("file filter") << "QObject"
                                 << "Profile files(*.xml)" << QString::fromUtf8("配置文件(*.xml)")
                                 << "Profile files(*.xml)";
    QTest::newRow("typo kept") << "QObject"
                               << "The key calibration runing" << QString::fromUtf8("按键校准进行中")
                               << "The key calibration runing";
    // Forms translate in their own context, whether designed or built in code.
    QTest::newRow("designed form") << "DProfileMenuToolWidget"
                                   << "Modify Name" << QString::fromUtf8("修改名称") << "Modify Name";
    QTest::newRow("form in code") << "DCustomKeysPage"
                                  << "Function:" << QString::fromUtf8("功能：") << "Function:";
    QTest::newRow("form in Chinese") << "DDevicePage" << QString::fromUtf8("产品列表") << QString::fromUtf8("产品列表")
                                     << "Product list";
    QTest::newRow("widget class") << "keySelectFrame"
                                  << "Cannot remapped" << QString::fromUtf8("无法改键") << "Cannot remapped";
    // The on-screen keyboard's national keys show what such keys print, short enough for the key.
    QTest::newRow("marked table") << "DSoftKeyboardPage"
                                  << "Korean/English" << QString::fromUtf8("韩/英") << "Kr/En";
    QTest::newRow("national key") << "DSoftKeyboardPage"
                                  << "K131" << QString::fromUtf8("無変換") << QString::fromUtf8("無変換");
}

void tst_QtLinguist::textsOfEveryKindTranslate()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, simplified);
    QFETCH(QString, english);

    const QByteArray contextText = context.toUtf8();
    const QByteArray sourceText = source.toUtf8();
    QtLinguist linguist;
    QVERIFY(linguist.setLanguage(QtLinguist::Zh_SM));
    QCOMPARE(QCoreApplication::translate(contextText.constData(), sourceText.constData()), simplified);
    QVERIFY(linguist.setLanguage(QtLinguist::English));
    QCOMPARE(QCoreApplication::translate(contextText.constData(), sourceText.constData()), english);
}

void tst_QtLinguist::failedLoadKeepsInstalledLanguage()
{
    const QString root = qEnvironmentVariable("VORLAN_TEST_TMP") + QStringLiteral("/copy");
    QVERIFY(QDir().mkpath(root + QStringLiteral("/translation")));
    const QString program = root + QStringLiteral("/tst_QtLinguist");
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
    QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFileDevice::ExeOwner));
    QVERIFY(
        QFile::copy(translationDir() + QStringLiteral("/Zh_SM.qm"), root + QStringLiteral("/translation/Zh_SM.qm")));
    QFile corrupt(root + QStringLiteral("/translation/Zh_TR.qm"));
    QVERIFY(corrupt.open(QIODevice::WriteOnly));
    corrupt.write(QByteArray(64, '\x5a'));
    corrupt.close();

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(program, {QStringLiteral("--broken-file-child")});
    QVERIFY(child.waitForFinished(120000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--broken-file-child") == 0)
        return brokenFileChild();
    tst_QtLinguist test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_QtLinguist.moc"
