#include "app/DDataManager.h"
#include "app/KeyOperateValue.h"
#include "sdk/store/VorlanXml.h"
#include "tests/ui/mainwidget/devicePage/keyFunctions/KeyPageFixture.h"
#include "ui/mainwidget/devicePage/keyFunctions/DKeyWithTextPage.h"

#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

// The text page: the 5000-unit limit in the box, the stored bytes, OK and Cancel.
class tst_DKeyWithTextPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void boxKeepsAtMost5000Units();
    void storedTextComesBackByteForByte_data();
    void storedTextComesBackByteForByte();
    void emptyTextIsRefusedAndCancelOnlyReports();

private:
    QByteArray storedValue() const;
    void storeText(const QByteArray &utf8);

    KeyPageFixture *m_fixture = nullptr;
    DKeyWithTextPage *m_page = nullptr;
    QTextEdit *m_box = nullptr;
};

void tst_DKeyWithTextPage::init()
{
    m_fixture = new KeyPageFixture;
    m_page = new DKeyWithTextPage;
    m_box = m_page->findChild<QTextEdit *>("textEdit_keyText");
    DDataManager::instance()->setCurrentKey(41, "Esc");
}

void tst_DKeyWithTextPage::cleanup()
{
    delete m_page;
    delete m_fixture;
}

QByteArray tst_DKeyWithTextPage::storedValue() const
{
    return KeyOperateValue::readWhole(m_fixture->path(KeyPageFixture::DefaultLayer).constData(), 2, 41);
}

void tst_DKeyWithTextPage::storeText(const QByteArray &utf8)
{
    CVorlanXML_AddProFileMacroWithKeyInfoItem(m_fixture->path(KeyPageFixture::DefaultLayer).constData(), "2", "41",
                                              "Esc", "6", "1", "1", utf8.constData());
}

void tst_DKeyWithTextPage::boxKeepsAtMost5000Units()
{
    m_page->loadCurrentKeyInfo();
    // A character typed into a full box goes again; the cursor stays where it was.
    m_box->setPlainText(QString(2500, 'a') + QString(2500, 'b'));
    QTextCursor cursor = m_box->textCursor();
    cursor.setPosition(2500);
    m_box->setTextCursor(cursor);
    QTest::keyClicks(m_box, "x");
    QCOMPARE(m_box->toPlainText(), QString(2500, 'a') + QString(2500, 'b'));
    QCOMPARE(m_box->textCursor().position(), 2500);

    // A paste keeps its beginning up to the limit; the cursor goes after the kept part.
    m_box->setPlainText(QString(4990, 'a'));
    m_box->moveCursor(QTextCursor::End);
    m_box->textCursor().insertText("0123456789ABCDEF");
    QCOMPARE(m_box->toPlainText(), QString(4990, 'a') + "0123456789");
    QCOMPARE(m_box->textCursor().position(), 5000);
    QCOMPARE(m_page->currentText().size(), 5000);

    // A character outside the BMP typed at 4999 units does not fit and leaves no half behind.
    m_box->setPlainText(QString(4999, 'a'));
    m_box->moveCursor(QTextCursor::End);
    m_box->textCursor().insertText(QString::fromUtf8("\xf0\x9f\x98\x80"));
    QCOMPARE(m_box->toPlainText(), QString(4999, 'a'));

    // A stored text beyond the limit shows its first 5000 units.
    storeText(QString(6000, QChar(0x4e2d)).toUtf8());
    m_page->loadCurrentKeyInfo();
    QCOMPARE(m_box->toPlainText(), QString(5000, QChar(0x4e2d)));
    QCOMPARE(m_box->textCursor().position(), 5000);
}

void tst_DKeyWithTextPage::storedTextComesBackByteForByte_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("line breaks only") << "\n\n";
    QTest::newRow("blanks around") << "  a  ";
    QTest::newRow("looks like markup") << "<b>x</b>";
    QTest::newRow("ampersand") << "a & b";
    QTest::newRow("5000 CJK characters") << QString(5000, QChar(0x4e2d));
    QTest::newRow("emoji") << QString::fromUtf8("hi \xf0\x9f\x98\x80");
}

void tst_DKeyWithTextPage::storedTextComesBackByteForByte()
{
    QFETCH(QString, text);
    m_page->loadCurrentKeyInfo();
    m_box->setPlainText(text);
    QSignalSpy saved(m_page, &DKeyWithTextPage::sigCustomKeyInfoSaveSuccessful);
    QTest::mouseClick(m_page->findChild<QPushButton *>("pushButton_OK"), Qt::LeftButton);
    QCOMPARE(saved.size(), 1);
    QCOMPARE(storedValue(), text.toUtf8());

    // Shown again and stored again unchanged.
    m_page->loadCurrentKeyInfo();
    QCOMPARE(m_box->toPlainText(), text);
    QTest::mouseClick(m_page->findChild<QPushButton *>("pushButton_OK"), Qt::LeftButton);
    QCOMPARE(saved.size(), 2);
    QCOMPARE(storedValue(), text.toUtf8());
}

void tst_DKeyWithTextPage::emptyTextIsRefusedAndCancelOnlyReports()
{
    storeText("kept");
    m_fixture->setEntry(KeyPageFixture::DefaultLayer, 2, 30, "3", "1");
    DDataManager::instance()->setCurrentKey(30, "1");
    m_page->loadCurrentKeyInfo();
    QVERIFY(m_box->toPlainText().isEmpty());
    QSignalSpy failed(m_page, &DKeyWithTextPage::sigCustomKeyInfoSaveFailed);
    QSignalSpy saved(m_page, &DKeyWithTextPage::sigCustomKeyInfoSaveSuccessful);
    QSignalSpy cancelled(m_page, &DKeyWithTextPage::sigClickedCancel);
    QTest::mouseClick(m_page->findChild<QPushButton *>("pushButton_OK"), Qt::LeftButton);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0), QList<QVariant>({6, 0}));
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 30), QString("3:1"));

    m_box->setPlainText("typed");
    QTest::mouseClick(m_page->findChild<QPushButton *>("pushButton_Cancel"), Qt::LeftButton);
    QCOMPARE(cancelled.size(), 1);
    QCOMPARE(saved.size(), 0);
    QCOMPARE(m_box->toPlainText(), QString("typed"));
    QCOMPARE(m_fixture->entryText(KeyPageFixture::DefaultLayer, 2, 30), QString("3:1"));
    QCOMPARE(storedValue(), QByteArray("kept"));
}

QTEST_MAIN(tst_DKeyWithTextPage)
#include "tst_DKeyWithTextPage.moc"
