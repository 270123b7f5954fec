#include "ArrowWidget.h"
#include "DDevicePage.h"
#include "DProfileMenuToolWidget.h"
#include "VorlanResources.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class tst_DDevicePageProfileOps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void profileButtonOpensMenuThatClosesOnRelease();
};

void tst_DDevicePageProfileOps::initTestCase()
{
    initVorlanResources();
}

void tst_DDevicePageProfileOps::profileButtonOpensMenuThatClosesOnRelease()
{
    DDevicePage page;
    page.show();
    auto *button = page.findChild<QPushButton *>(QStringLiteral("pushButton_ProfileOperate"));
    QVERIFY(button);

    QTest::mouseClick(button, Qt::LeftButton);
    const QList<DProfileMenuToolWidget *> menus = page.findChildren<DProfileMenuToolWidget *>();
    QCOMPARE(menus.size(), 1);
    auto *popup = qobject_cast<ArrowWidget *>(menus.first()->parentWidget());
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(popup->size(), QSize(167, 180));

    // A second opening replaces the pop-up instead of stacking another.
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(page.findChildren<DProfileMenuToolWidget *>().size(), 1);
    DProfileMenuToolWidget *menu = page.findChildren<DProfileMenuToolWidget *>().first();
    popup = qobject_cast<ArrowWidget *>(menu->parentWidget());
    QVERIFY(popup && popup->isVisible());

    // Without a current device the entry itself has nothing to act on.
    QTest::mouseClick(menu->findChild<QLabel *>(QStringLiteral("label_CreateNew")), Qt::LeftButton);
    QVERIFY(!popup->isVisible());
}

QTEST_MAIN(tst_DDevicePageProfileOps)
#include "tst_DDevicePageProfileOps.moc"
