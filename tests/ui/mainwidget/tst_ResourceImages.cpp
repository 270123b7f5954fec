#include "resources/VorlanResources.h"

#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// Every compiled-in picture that the windows name in their code or forms must load.
class tst_ResourceImages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyNamedPictureLoads_data();
    void everyNamedPictureLoads();
};

void tst_ResourceImages::initTestCase()
{
    initVorlanResources();
}

void tst_ResourceImages::everyNamedPictureLoads_data()
{
    QTest::addColumn<QString>("path");
    const QRegularExpression named(":/images/[A-Za-z0-9_/%]+\\.(png|ico|gif)");
    const QStringList themeNames{"Black", "Light", "Blue", "Pink", "Other"};
    QSet<QString> paths;
    QDirIterator sources(VORLAN_UI_SOURCE_DIR, {"*.cpp", "*.h", "*.ui"}, QDir::Files, QDirIterator::Subdirectories);
    while (sources.hasNext()) {
        QFile file(sources.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        auto matches = named.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext()) {
            const QString path = matches.next().captured(0);
            // Theme pictures are named by theme.
            if (path.contains("%1")) {
                for (const QString &theme : themeNames)
                    paths.insert(QString(path).replace("%1", theme));
            } else {
                paths.insert(path);
            }
        }
    }
    QVERIFY(paths.size() > 40);
    QStringList sorted = paths.values();
    sorted.sort();
    for (const QString &path : sorted)
        QTest::newRow(qPrintable(path)) << path;
}

void tst_ResourceImages::everyNamedPictureLoads()
{
    QFETCH(QString, path);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QVERIFY(image.width() > 0 && image.height() > 0);
}

QTEST_MAIN(tst_ResourceImages)
#include "tst_ResourceImages.moc"
