#include "app/DDataManager.h"
#include "sdk/store/VorlanXml.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithAppPage.h"
#include "ui/mainwidget/devicePage/profileOps/ProfileDialogProvider.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

// Answers the file dialog at once with the path the test set.
class FakeFileDialog : public ProfileDialogProvider
{
public:
    QString existingDirectory(QWidget *, const QString &, const QString &) override { return QString(); }
    QString openFileName(QWidget *, const QString &caption, const QString &startFolder, const QString &filter) override
    {
        asked << caption << startFolder << filter;
        return answer;
    }
    int question(QWidget *, const QString &, const QString &, const QString &, const QString &) override { return 0; }

    QString answer;
    QStringList asked;
};

} // namespace

// The application page: only an existing file from the dialog is stored, exactly as returned.
class tst_DKeyWithAppPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void chosenFileIsStoredAsTheDialogReturnedIt_data();
    void chosenFileIsStoredAsTheDialogReturnedIt();
    void storedPathIsShownWithoutStoring();
    void dialogStartsOnTheDesktopOrHome();

private:
    void choose(const QString &answer);

    KeyPageFixture *m_fixture = nullptr;
    DKeyWithAppPage *m_page = nullptr;
    FakeFileDialog m_dialog;
    QTemporaryDir m_programs;
};

void tst_DKeyWithAppPage::init()
{
    m_fixture = new KeyPageFixture;
    m_page = new DKeyWithAppPage;
    m_dialog = FakeFileDialog();
    m_page->setDialogProvider(&m_dialog);
    DDataManager::instance()->setCurrentKey(41, "Esc");
    m_page->loadCurrentKeyInfo();
}

void tst_DKeyWithAppPage::cleanup()
{
    delete m_page;
    delete m_fixture;
}

void tst_DKeyWithAppPage::choose(const QString &answer)
{
    m_dialog.answer = answer;
    QTest::mouseClick(m_page->findChild<QPushButton *>("pushButton_selectAppPath"), Qt::LeftButton);
}

void tst_DKeyWithAppPage::chosenFileIsStoredAsTheDialogReturnedIt_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("create");
    QTest::newRow("cancelled") << QString() << false;
    QTest::newRow("missing file") << "gone.sh" << false;
    QTest::newRow("blanks and non-ASCII") << QString::fromUtf8(" my tool \xc3\xbc\xe4\xb8\xad.sh ") << true;
    QTest::newRow("looks like markup") << "<b>run & go" << true;
}

void tst_DKeyWithAppPage::chosenFileIsStoredAsTheDialogReturnedIt()
{
    QFETCH(QString, fileName);
    QFETCH(bool, create);
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, "8", "/opt/before");
    m_page->loadCurrentKeyInfo();
    auto *box = m_page->findChild<QTextEdit *>("textEdit_appPath");
    QCOMPARE(box->toPlainText(), QString("/opt/before"));
    const QString path = fileName.isEmpty() ? QString() : m_programs.path() + "/" + fileName;
    if (create) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QSignalSpy saved(m_page, &DKeyWithAppPage::sigCustomKeyInfoSaveSuccessful);
    choose(path);
    QCOMPARE(m_dialog.asked.value(0), QString("Select App"));
    QCOMPARE(m_dialog.asked.value(2), QString("App(*)"));
    if (!create) {
        QCOMPARE(saved.size(), 0);
        QCOMPARE(box->toPlainText(), QString("/opt/before"));
        QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 41), QString("8:/opt/before"));
        return;
    }
    QCOMPARE(saved.size(), 1);
    QCOMPARE(box->toPlainText(), path);
    QCOMPARE(QByteArray(m_fixture->entry(KeyPageFixture::DefaultLayer, 2, 41).value), path.toUtf8());
    // The same file again stores again.
    choose(path);
    QCOMPARE(saved.size(), 2);
}

void tst_DKeyWithAppPage::storedPathIsShownWithoutStoring()
{
    const QString path = m_programs.path() + "/deleted tool";
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 41, "8", path.toUtf8());
    QSignalSpy saved(m_page, &DKeyWithAppPage::sigCustomKeyInfoSaveSuccessful);
    m_page->loadCurrentKeyInfo();
    QCOMPARE(m_page->findChild<QTextEdit *>("textEdit_appPath")->toPlainText(), path);
    QVERIFY(m_page->findChild<QTextEdit *>("textEdit_appPath")->isReadOnly());
    QCOMPARE(saved.size(), 0);
    // Another key's page shows nothing for an entry of another type.
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 30, "6", path.toUtf8());
    DDataManager::instance()->setCurrentKey(30, "1");
    m_page->loadCurrentKeyInfo();
    QVERIFY(m_page->findChild<QTextEdit *>("textEdit_appPath")->toPlainText().isEmpty());
}

void tst_DKeyWithAppPage::dialogStartsOnTheDesktopOrHome()
{
    // The test's private home has no desktop folder until it is made.
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    QDir(desktop).removeRecursively();
    choose(QString());
    QCOMPARE(m_dialog.asked.value(1), QDir::homePath());
    QVERIFY(QDir().mkpath(desktop));
    m_dialog.asked.clear();
    choose(QString());
    QCOMPARE(m_dialog.asked.value(1), desktop);
}

QTEST_MAIN(tst_DKeyWithAppPage)
#include "tst_DKeyWithAppPage.moc"
