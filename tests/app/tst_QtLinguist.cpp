#include "app/QtLinguist.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

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

struct TsMessage
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

// The current messages of a translation source; entries of texts gone from the code are left out.
QVector<TsMessage> readTs(const QString &path, QString *error)
{
    QVector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = TsMessage{context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (message.type != QLatin1String("vanished") && message.type != QLatin1String("obsolete"))
                messages.append(message);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%L?\\d+")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
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

    const char *const files[] = {"Zh_SM",   "Zh_TR",  "English", "Japanese",  "Korean",
                                 "Russian", "Arabic", "Spanish", "Portugal",  "German",
                                 "Italian", "Polish", "French",  "Ukrainian", "Czech"};
    int index = 1;
    for (const char *file : files) {
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
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << QStringLiteral("English.ts");
    QTest::newRow("Zh_SM") << QStringLiteral("Zh_SM.ts");
}

void tst_QtLinguist::everyMessageIsTranslated()
{
    QFETCH(QString, file);

    QString error;
    const QVector<TsMessage> messages = readTs(QStringLiteral(VORLAN_TRANSLATIONS_DIR "/") + file, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // The device page, the data manager and the forms all have texts; a near-empty file means lost texts.
    QVERIFY2(messages.size() > 150, qPrintable(QString::number(messages.size())));

    QStringList faults;
    for (const TsMessage &message : messages) {
        const QString where = message.context + QStringLiteral(": ") + message.source;
        if (message.type == QLatin1String("unfinished"))
            faults << QStringLiteral("unfinished ") + where;
        else if (message.translation.trimmed().isEmpty())
            faults << QStringLiteral("empty ") + where;
        else if (placeholders(message.source) != placeholders(message.translation))
            faults << QStringLiteral("placeholders differ ") + where;
        else if (message.source.count(QLatin1Char('\n')) != message.translation.count(QLatin1Char('\n')))
            faults << QStringLiteral("line breaks differ ") + where;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
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
    QTest::newRow("national key") << "DSoftKeyboardPage" << "K131" << QString::fromUtf8("無変換")
                                  << QString::fromUtf8("無変換");
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
