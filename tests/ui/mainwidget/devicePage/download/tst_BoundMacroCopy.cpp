#include "sdk/store/VorlanXml.h"
#include "tests/support/OnboardProfileFixture.h"
#include "ui/mainwidget/devicePage/download/BoundMacroCopy.h"

#include <QtTest>

namespace {

QStringList copyCodes(const QString &layerPath, const char *profile, const char *macroIndex)
{
    std::list<MacroEvent> events;
    CVorlanXML_ProFileMacroWithKeyInfoSelectAll(layerPath.toLocal8Bit().constData(), profile, macroIndex, "", &events);
    QStringList codes;
    for (const MacroEvent &event : events)
        codes << QString("%1:%2").arg(event.keyCode, event.operateExplain);
    return codes;
}

} // namespace

class TestBoundMacroCopy : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void editedMacroRenewsCopyOfTheProfileThatUsesIt();
    void macroNoKeyUsesChangesNothing();
    void unreadableMacroKeepsTheCopy();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<OnboardProfileFixture> m_profile;
    QByteArray m_macroPath;
};

void TestBoundMacroCopy::init()
{
    m_profile = std::make_unique<OnboardProfileFixture>(m_dir.path() + "/" + QTest::currentTestFunction());
    // Macro 3 was recorded as A and is bound to key 21 of the default layer (profile 2).
    m_profile->setKey(0, 21, "1", "1", "3");
    m_profile->bindMacro(0, 3, OnboardProfileFixture::typing({4}, 10));
    m_profile->bindMacro(1, 3, OnboardProfileFixture::typing({4}, 10));
    // Since then the user changed it to B in the macro editor.
    m_macroPath = QFile::encodeName(m_dir.path() + "/" + QTest::currentTestFunction() + "_macro.xml");
    QVERIFY(CVorlanXML_CreateXMLFile(m_macroPath));
    QVERIFY(CVorlanXML_CreateMacroXmlParentNode(m_macroPath, "3", "Third"));
    QVERIFY(CVorlanXML_AddKeyOrMouseEventItem(m_macroPath, OnboardProfileFixture::typing({5}, 10), "3"));
}

void TestBoundMacroCopy::editedMacroRenewsCopyOfTheProfileThatUsesIt()
{
    QVERIFY(BoundMacroCopy::renew(m_profile->layerPath(0), 2, "3", QFile::decodeName(m_macroPath)));
    QCOMPARE(copyCodes(m_profile->layerPath(0), "2", "3"), QStringList({"5:down", "5:up"}));
    // Only the current profile of this layer file is renewed.
    QCOMPARE(copyCodes(m_profile->layerPath(1), "1", "3"), QStringList({"4:down", "4:up"}));
}

void TestBoundMacroCopy::macroNoKeyUsesChangesNothing()
{
    // The FN layer's profile holds a copy but no key bound to the macro.
    QVERIFY(!BoundMacroCopy::renew(m_profile->layerPath(1), 1, "3", QFile::decodeName(m_macroPath)));
    QCOMPARE(copyCodes(m_profile->layerPath(1), "1", "3"), QStringList({"4:down", "4:up"}));
}

void TestBoundMacroCopy::unreadableMacroKeepsTheCopy()
{
    QVERIFY(QFile::remove(QFile::decodeName(m_macroPath)));
    QVERIFY(!BoundMacroCopy::renew(m_profile->layerPath(0), 2, "3", QFile::decodeName(m_macroPath)));
    QCOMPARE(copyCodes(m_profile->layerPath(0), "2", "3"), QStringList({"4:down", "4:up"}));
}

QTEST_GUILESS_MAIN(TestBoundMacroCopy)
#include "tst_BoundMacroCopy.moc"
