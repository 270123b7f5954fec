#include "sdk/protocol/FirmwareIdentity.h"

#include <QtTest>

using namespace FirmwareIdentityFeature;

namespace {
FirmwareIdentity identityWith(int field, const std::string &text)
{
    FirmwareIdentity identity;
    identity.texts[field] = text;
    return identity;
}

// Reads one field as the SDK does; false on the first answer it refuses.
bool readField(int field, const FirmwareIdentity &keyboard, std::string *text, int *requests)
{
    text->clear();
    *requests = 0;
    bool complete = false;
    while (!complete && *requests < 10) {
        const Report ask = request(field, text->size());
        ++*requests;
        if (!isRequest(ask) || !takeAnswer(ask, answer(ask, keyboard), text, &complete))
            return false;
    }
    return complete;
}
} // namespace

class tst_FirmwareIdentity : public QObject
{
    Q_OBJECT

private slots:
    void textsTravelWhole_data();
    void textsTravelWhole();
    void foreignOrMalformedAnswersAreRefused_data();
    void foreignOrMalformedAnswersAreRefused();
    void fieldNames();
};

void tst_FirmwareIdentity::textsTravelWhole_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("requests");
    QTest::newRow("empty") << 0 << 1;
    QTest::newRow("one part") << int(maxPartLength) << 1;
    QTest::newRow("two parts") << int(maxPartLength) + 1 << 2;
    QTest::newRow("longest") << int(FirmwareIdentity::maxTextLength) << 2;
}

void tst_FirmwareIdentity::textsTravelWhole()
{
    QFETCH(int, length);
    QFETCH(int, requests);
    std::string text(size_t(length), 'x');
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = char('a' + i % 26);
    std::string read;
    int asked = 0;
    QVERIFY(readField(FirmwareIdentity::ExtraText, identityWith(FirmwareIdentity::ExtraText, text), &read, &asked));
    QCOMPARE(read, text);
    QCOMPARE(asked, requests);
}

void tst_FirmwareIdentity::foreignOrMalformedAnswersAreRefused_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::newRow("other report id") << 0 << 0x01;
    QTest::newRow("other field") << 1 << int(FirmwareIdentity::Chip);
    QTest::newRow("other offset") << 2 << 4;
    QTest::newRow("text longer than a field") << 3 << 64;
    QTest::newRow("part longer than the text") << 4 << 11;
    QTest::newRow("part longer than a report") << 4 << int(maxPartLength) + 1;
    // Nothing new for an unfinished text would be asked for again and again.
    QTest::newRow("empty part of an unfinished text") << 4 << 0;
}

void tst_FirmwareIdentity::foreignOrMalformedAnswersAreRefused()
{
    QFETCH(int, byte);
    QFETCH(int, value);
    const Report ask = request(FirmwareIdentity::Model, 0);
    Report reply = answer(ask, identityWith(FirmwareIdentity::Model, "Aster104XL"));
    QCOMPARE(int(reply[3]), 10);
    reply[size_t(byte)] = uint8_t(value);
    std::string text;
    bool complete = false;
    QVERIFY(!takeAnswer(ask, reply, &text, &complete));
}

void tst_FirmwareIdentity::fieldNames()
{
    for (int field = 0; field < FirmwareIdentity::FieldCount; ++field)
        QCOMPARE(FirmwareIdentity::fieldByName(FirmwareIdentity::fieldName(field)), field);
    QCOMPARE(FirmwareIdentity::fieldByName("colour"), -1);
    // Requests for no field or beyond the longest text are no requests.
    QVERIFY(!isRequest(request(FirmwareIdentity::FieldCount, 0)));
    QVERIFY(!isRequest(request(FirmwareIdentity::Chip, FirmwareIdentity::maxTextLength + 1)));
}

QTEST_GUILESS_MAIN(tst_FirmwareIdentity)
#include "tst_FirmwareIdentity.moc"
