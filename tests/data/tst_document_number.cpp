#include "data/document_number.h"
#include "platform/db/errors.h"

#include <QtTest>

#include <algorithm>

namespace {

// Numbering over a set of stored ids, the way the data module asks for the next one: the highest
// id in text order, and "taken" meaning stored.
QString nextAfterStored(const QStringList& storedIds, const QString& prefix, const QString& startTemplate)
{
    const QString highest =
        storedIds.isEmpty() ? QString() : *std::max_element(storedIds.begin(), storedIds.end());
    return NextDocumentNumber(highest, prefix, startTemplate,
                              [&storedIds](const QString& id) { return storedIds.contains(id); });
}

const auto nothingTaken = [](const QString&) { return false; };

} // namespace

class TestDocumentNumber : public QObject
{
    Q_OBJECT

private slots:
    void nextNumber_data();
    void nextNumber();
    void takenNumbersAreSkipped_data();
    void takenNumbersAreSkipped();
    void seriesOfNumbers_data();
    void seriesOfNumbers();
    void noPrefixAndNoTemplateIsRefused();
    void endlessTakenIsRefused();
};

void TestDocumentNumber::nextNumber_data()
{
    QTest::addColumn<QString>("highestId");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("startTemplate");
    QTest::addColumn<QString>("expected");

    const QString inv = QStringLiteral("INV-");
    const QString seven = QStringLiteral("0000001");

    // clang-format off
    QTest::newRow("empty table") << "" << inv << seven << "INV-0000001";
    QTest::newRow("after the first") << "INV-0000001" << inv << seven << "INV-0000002";
    QTest::newRow("carry") << "INV-0000099" << inv << seven << "INV-0000100";
    QTest::newRow("another prefix") << "X-0000005" << inv << seven << "INV-0000001";
    QTest::newRow("no number in the id") << "INV-12A" << inv << seven << "INV-INV-12A";
    QTest::newRow("prefix changed in the settings") << "INV-0000042" << "IV/" << seven << "IV/0000001";
    QTest::newRow("prefix is case-sensitive") << "inv-0000042" << inv << seven << "INV-0000001";
    QTest::newRow("template as entered") << "" << "CUS-" << "0001" << "CUS-0001";
    QTest::newRow("short template") << "CUS-0001" << "CUS-" << "0001" << "CUS-0002";
    QTest::newRow("short template beside long ids") << "CUS-0000001" << "CUS-" << "0001" << "CUS-0002";
    QTest::newRow("template 1000 first") << "" << "P" << "1000" << "P1000";
    QTest::newRow("template 1000 next, unpadded") << "P1000" << "P" << "1000" << "P1001";
    QTest::newRow("last padded number") << "INV-0999998" << inv << seven << "INV-0999999";
    QTest::newRow("width reached") << "INV-0999999" << inv << seven << "INV-1000000";
    QTest::newRow("width passed, written in full") << "INV-9999999" << inv << seven << "INV-10000000";
    QTest::newRow("largest 32-bit running number") << "INV-2147483647" << inv << seven << "INV-2147483648";
    QTest::newRow("beyond 32 bits is no number") << "INV-2147483648" << inv << seven << "INV-INV-2147483648";
    QTest::newRow("sign is no number") << "INV--5" << inv << seven << "INV-INV--5";
    QTest::newRow("only the prefix") << "INV-" << inv << seven << "INV-INV-";
    // Every occurrence of the prefix goes, so a prefix of digits reads back another number.
    QTest::newRow("prefix of digits") << "10000012" << "1" << seven << "10000003";
    QTest::newRow("prefix inside the id") << "A-0A-7" << "A-" << seven << "A-0000008";
    QTest::newRow("empty prefix") << "0000005" << "" << seven << "0000001";
    // clang-format on
}

void TestDocumentNumber::nextNumber()
{
    QFETCH(QString, highestId);
    QFETCH(QString, prefix);
    QFETCH(QString, startTemplate);
    QFETCH(QString, expected);
    QCOMPARE(NextDocumentNumber(highestId, prefix, startTemplate, nothingTaken), expected);
}

void TestDocumentNumber::takenNumbersAreSkipped_data()
{
    QTest::addColumn<QStringList>("storedIds");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("startTemplate");
    QTest::addColumn<QString>("expected");

    const QString seven = QStringLiteral("0000001");

    // An empty prefix always restarts at the template; the stored ones are stepped over.
    // clang-format off
    QTest::newRow("empty prefix") << QStringList{"0000001", "0000002"} << "" << seven << "0000003";
    // Stripping the digit prefix "1" from 10000001 reads 0 and gives 10000001 again.
    QTest::newRow("prefix of digits") << QStringList{"10000001"} << "1" << seven << "10000002";
    QTest::newRow("prefix of digits, later")
        << QStringList{"10000001", "10000002", "10000003", "10000004", "10000005", "10000006", "10000007",
                       "10000008", "10000009", "10000010"}
        << "1" << seven << "10000011";
    // Old ids of another prefix sort above the current ones, so the series restarts at the
    // template and steps over what the current prefix already holds.
    QTest::newRow("old ids sort above")
        << QStringList{"INV-0000001", "INV-0000002", "X-0000009"} << "INV-" << seven << "INV-0000003";
    // With the template 1000 a taken start steps on unpadded.
    QTest::newRow("template 1000 taken") << QStringList{"P1000", "P1001", "Z1"} << "P" << "1000" << "P1002";
    // The fallback for an id without a number: a counter of its own when it is taken.
    QTest::newRow("fallback taken")
        << QStringList{"INV-X", "INV-INV-X"} << "INV-" << seven << "INV-INV-X-2";
    QTest::newRow("fallback taken twice")
        << QStringList{"INV-X", "INV-INV-X", "INV-INV-X-2"} << "INV-" << seven << "INV-INV-X-3";
    QTest::newRow("stepping passes the width")
        << QStringList{"0999999", "1000000", "A"} << "" << "0999999" << "1000001";
    // clang-format on
}

void TestDocumentNumber::takenNumbersAreSkipped()
{
    QFETCH(QStringList, storedIds);
    QFETCH(QString, prefix);
    QFETCH(QString, startTemplate);
    QFETCH(QString, expected);
    QCOMPARE(nextAfterStored(storedIds, prefix, startTemplate), expected);
}

// A series numbered one after another by the same rule, each new id stored before the next.
void TestDocumentNumber::seriesOfNumbers_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("startTemplate");
    QTest::addColumn<QStringList>("expected");

    // clang-format off
    QTest::newRow("default")
        << "INV-" << "0000001" << QStringList{"INV-0000001", "INV-0000002", "INV-0000003"};
    QTest::newRow("empty prefix") << "" << "0000001" << QStringList{"0000001", "0000002", "0000003"};
    QTest::newRow("prefix of digits") << "1" << "0000001" << QStringList{"10000001", "10000002", "10000003"};
    QTest::newRow("template 1000") << "P" << "1000" << QStringList{"P1000", "P1001", "P1002"};
    // clang-format on
}

void TestDocumentNumber::seriesOfNumbers()
{
    QFETCH(QString, prefix);
    QFETCH(QString, startTemplate);
    QFETCH(QStringList, expected);

    QStringList stored;
    for (const QString& expectedId : expected) {
        const QString id = nextAfterStored(stored, prefix, startTemplate);
        QCOMPARE(id, expectedId);
        stored << id;
    }
}

void TestDocumentNumber::noPrefixAndNoTemplateIsRefused()
{
    QVERIFY_THROWS_EXCEPTION(db::DbError, NextDocumentNumber(QString(), QString(), QString(), nothingTaken));
}

void TestDocumentNumber::endlessTakenIsRefused()
{
    const auto everythingTaken = [](const QString&) { return true; };
    QVERIFY_THROWS_EXCEPTION(db::DbError, NextDocumentNumber(QString(), "INV-", "0000001", everythingTaken));
}

QTEST_GUILESS_MAIN(TestDocumentNumber)
#include "tst_document_number.moc"
