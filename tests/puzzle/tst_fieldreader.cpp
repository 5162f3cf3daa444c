// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzle/fieldreader.h"

#include <QTest>

class TestFieldReader : public QObject {
    Q_OBJECT
private slots:
    void numbersEndAtCommaBlankAndLineEnd();
    void emptyAndNonNumericFields();
    void textFields_data();
    void textFields();
    void textWrittenReadsBack_data();
    void textWrittenReadsBack();
    void lineReadsTheRawRest();
};

void TestFieldReader::numbersEndAtCommaBlankAndLineEnd() {
    FieldReader r("  1,2 3 , -4.5\r\n6\n7\r8  \r\n\r\n9");
    QList<double> values;
    while (auto v = r.number())
        values.append(*v);
    QCOMPARE(values, (QList<double>{1, 2, 3, -4.5, 6, 7, 8, 9}));
    QVERIFY(r.atEnd());
}

void TestFieldReader::emptyAndNonNumericFields() {
    FieldReader r("1,,x2,3\r\n");
    QCOMPARE(r.number(), std::optional<double>(1));
    QCOMPARE(r.number(), std::nullopt); // the empty field between two commas
    QCOMPARE(r.number(), std::nullopt); // x2
    QCOMPARE(r.number(), std::optional<double>(3));
    QCOMPARE(r.number(), std::nullopt); // end of input
    QVERIFY(!parseNumber("1e999").has_value());
    QVERIFY(!parseNumber("&H10").has_value());
    QCOMPARE(parseNumber(" 12 "), std::optional<double>(12));
    QCOMPARE(parseNumber("+12"), std::optional<double>(12));
    QCOMPARE(parseNumber("-1.5e+2"), std::optional<double>(-150));
    QVERIFY(!parseNumber("1+2").has_value());
}

void TestFieldReader::textFields_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("plain") << QByteArray("PELORIN.pel\r\nnext") << "PELORIN.pel"
                           << "next";
    QTest::newRow("leading blanks") << QByteArray("   my file.pel,x") << "my file.pel"
                                    << "x";
    QTest::newRow("quoted with comma") << QByteArray("\"a, b\",c") << "a, b"
                                       << "c";
    QTest::newRow("quoted then junk") << QByteArray("\"a\" junk,c") << "a"
                                      << "c";
    QTest::newRow("unclosed quote") << QByteArray("\"abc") << "abc" << QString();
    QTest::newRow("utf8") << QByteArray("K\xc3\xa4se.pel\n") << QString::fromUtf8("Käse.pel")
                          << QString();
}

void TestFieldReader::textFields() {
    QFETCH(QByteArray, input);
    QFETCH(QString, first);
    QFETCH(QString, second);
    FieldReader r(input);
    QCOMPARE(r.text(), std::optional<QString>(first));
    QCOMPARE(r.text().value_or(QString()), second);
}

void TestFieldReader::textWrittenReadsBack_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("written"); // empty: cannot be written to read back
    QTest::newRow("plain") << QByteArray("PELORIN.pel") << QByteArray("PELORIN.pel");
    QTest::newRow("empty") << QByteArray("") << QByteArray("");
    QTest::newRow("comma") << QByteArray("a, b") << QByteArray("\"a, b\"");
    QTest::newRow("outer blanks") << QByteArray(" a ") << QByteArray("\" a \"");
    QTest::newRow("line feed") << QByteArray("a\nb") << QByteArray("\"a\nb\"");
    QTest::newRow("quote inside") << QByteArray("a\"b") << QByteArray("a\"b");
    QTest::newRow("starts with a quote") << QByteArray("\"a") << QByteArray();
    QTest::newRow("quote and comma") << QByteArray("a\",b") << QByteArray();
}

void TestFieldReader::textWrittenReadsBack() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, written);
    const std::optional<QByteArray> field = asTextField(text);
    QCOMPARE(field.has_value(), !written.isNull());
    if (field)
        QCOMPARE(*field, written);
}

void TestFieldReader::lineReadsTheRawRest() {
    FieldReader r("a, b ,c\r\nsecond\rthird");
    QCOMPARE(r.line(), QByteArray("a, b ,c"));
    QVERIFY(r.atLineStart());
    QCOMPARE(r.line(), QByteArray("second"));
    QCOMPARE(r.line(), QByteArray("third"));
    QVERIFY(r.atEnd());
}

QTEST_GUILESS_MAIN(TestFieldReader)
#include "tst_fieldreader.moc"
