#include "ui/mainwidget/devicePage/profileOps/ProfileRules.h"

#include <QtTest>

Q_DECLARE_METATYPE(ProfileNodeList)

namespace {

ProfileNodeList profilesWith(const QList<int> &indices)
{
    ProfileNodeList profiles;
    for (int index : indices)
        profiles.emplace_back(std::to_string(index), "Profile" + std::to_string(index));
    return profiles;
}

} // namespace

class tst_ProfileRules : public QObject
{
    Q_OBJECT

private slots:
    void newIndexFollowsLastProfileInFileOrder_data();
    void newIndexFollowsLastProfileInFileOrder();
    void tenProfilesAreTheLimit();
    void importTakesLastProfileOfItsFile();
    void exportNameStaysInsideTheFolder_data();
    void exportNameStaysInsideTheFolder();
};

void tst_ProfileRules::newIndexFollowsLastProfileInFileOrder_data()
{
    QTest::addColumn<QList<int>>("indices");
    QTest::addColumn<int>("newIndex");
    QTest::newRow("ascending") << QList<int>{1, 2, 5} << 6;
    QTest::newRow("last is not the largest") << QList<int>{1, 5, 2} << 3;
    QTest::newRow("next index taken already") << QList<int>{1, 3, 2} << 3;
    QTest::newRow("no profile") << QList<int>{} << 2;
}

void tst_ProfileRules::newIndexFollowsLastProfileInFileOrder()
{
    QFETCH(QList<int>, indices);
    QFETCH(int, newIndex);
    QCOMPARE(ProfileRules::newProfileIndex(profilesWith(indices)), newIndex);
}

void tst_ProfileRules::tenProfilesAreTheLimit()
{
    QVERIFY(!ProfileRules::isAtProfileLimit(profilesWith({1, 2, 3, 4, 5, 6, 7, 8, 9})));
    QVERIFY(ProfileRules::isAtProfileLimit(profilesWith({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})));
    QVERIFY(ProfileRules::isAtProfileLimit(profilesWith({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})));
}

void tst_ProfileRules::importTakesLastProfileOfItsFile()
{
    QCOMPARE(ProfileRules::importProfileIndex(profilesWith({4, 7, 2})), QStringLiteral("2"));
    QCOMPARE(ProfileRules::importProfileIndex(profilesWith({})), QStringLiteral("1"));
}

void tst_ProfileRules::exportNameStaysInsideTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain") << "Profile1"
                           << "Profile1.xml";
    QTest::newRow("non-Latin kept") << QString::fromUtf8("游戏 配置") << QString::fromUtf8("游戏 配置.xml");
    QTest::newRow("parent folders") << "../../etc/passwd"
                                    << "_.._etc_passwd.xml";
    QTest::newRow("backslashes") << "..\\x"
                                 << "_x.xml";
    QTest::newRow("hidden file") << ".bashrc"
                                 << "bashrc.xml";
    QTest::newRow("dots only") << ".."
                               << "Profile.xml";
    QTest::newRow("empty") << ""
                           << "Profile.xml";
    QTest::newRow("NUL and control") << QString::fromLatin1("a\0b\nc", 5) << "a_b_c.xml";
}

void tst_ProfileRules::exportNameStaysInsideTheFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, fileName);
    QCOMPARE(ProfileRules::exportFileName(name), fileName);
}

QTEST_APPLESS_MAIN(tst_ProfileRules)
#include "tst_ProfileRules.moc"
