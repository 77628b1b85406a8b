// Expected values follow the legacy runtime's documented rules, worked out by hand.
#include <QtTest>

#include "platform/vbruntime.h"
#include "../support/localeajeno.h"

class TstVbRuntime : public QObject {
    Q_OBJECT
private slots:
    // Every table again under a user's locale with another decimal point.
    void initTestCase_data();
    void init();
    void cleanup();
    void formatNumber_data();
    void formatNumber();
    void formatText_data();
    void formatText();
    void val_data();
    void val();
    void isNumeric_data();
    void isNumeric();
    void isDate_data();
    void isDate();
    void rounding_data();
    void rounding();
    void intFix();
    void strCStr_data();
    void strCStr();
    void cstrVariant();
    void textFunctions();
    void formatDate();
};

void TstVbRuntime::initTestCase_data()
{
    QTest::addColumn<bool>("localeAjeno");
    QTest::newRow("C") << false;
    QTest::newRow(localeajeno::kNombre) << true;
}

void TstVbRuntime::init()
{
    QFETCH_GLOBAL(bool, localeAjeno);
    QString error;
    if (localeAjeno)
        QVERIFY2(localeajeno::poner(&error), qPrintable(error));
}

void TstVbRuntime::cleanup()
{
    localeajeno::quitar();
}

void TstVbRuntime::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    const QString disp = "###,###,###,##0";
    const QString sub = "(###,###,###,##0)";
    const QString sign = "###,###,###,##0;(###,###,###,##0)";

    QTest::newRow("display grouping") << 1234567.0 << disp << "1,234,567";
    QTest::newRow("display zero") << 0.0 << disp << "0";
    QTest::newRow("display 999") << 999.0 << disp << "999";
    QTest::newRow("display 1000") << 1000.0 << disp << "1,000";
    QTest::newRow("display 12 digits") << 123456789012.0 << disp << "123,456,789,012";
    QTest::newRow("display more digits than pattern") << 1234567890123.0 << disp << "1,234,567,890,123";
    QTest::newRow("display negative one section") << -1234.0 << disp << "-1,234";
    QTest::newRow("short grouping pattern") << 1234567.0 << "#,###,###,##0" << "1,234,567";
    QTest::newRow("display rounds half up") << 1234.5 << disp << "1,235";

    QTest::newRow("subtracted") << 500.0 << sub << "(500)";
    // One section: the minus sign goes in front of the literals too.
    QTest::newRow("subtracted negative") << -500.0 << sub << "-(500)";
    QTest::newRow("subtracted zero") << 0.0 << sub << "(0)";
    QTest::newRow("subtracted narrow negative") << -12.0 << "(#########0)" << "-(12)";
    QTest::newRow("subtracted narrow zero") << 0.0 << "(#########0)" << "(0)";

    QTest::newRow("signed negative") << -1234.0 << sign << "(1,234)";
    QTest::newRow("signed positive") << 1234.0 << sign << "1,234";
    QTest::newRow("signed zero") << 0.0 << sign << "0";
    // The section follows the sign before rounding: -0.4 takes the negative one.
    QTest::newRow("signed small negative") << -0.4 << sign << "(0)";
    QTest::newRow("optional-only positive zero") << 0.0 << "###,###,###,###;(###,###,###,##0)" << "";
    QTest::newRow("optional-only negative") << -5.0 << "###,###,###,###;(###,###,###,##0)" << "(5)";
    QTest::newRow("third section for zero") << 0.0 << "0;(0);Z" << "Z";

    QTest::newRow("code zero gives empty") << 0.0 << "########" << "";
    QTest::newRow("code") << 203.0 << "########" << "203";
    QTest::newRow("wide optional zero") << 0.0 << "#############" << "";
    QTest::newRow("entry") << 1250.0 << "###########0" << "1250";
    QTest::newRow("entry rounds") << 1234567.5 << "###########0" << "1234568";
    QTest::newRow("entry zero") << 0.0 << "#########0" << "0";
    // Whole amounts, the texts of every save: a negative zero is not below
    // zero; fifteen digits print as they are, a sixteenth is rounded away.
    QTest::newRow("entry negative zero") << -0.0 << "###########0" << "0";
    QTest::newRow("entry negative") << -1234.0 << "###########0" << "-1234";
    QTest::newRow("entry fifteen digits") << 999999999999999.0 << "###########0" << "999999999999999";
    QTest::newRow("entry sixteen digits") << 1234567890123456.0 << "###########0" << "1234567890123460";
    QTest::newRow("code negative") << -203.0 << "########" << "-203";
    QTest::newRow("zeros pad negative") << -12.0 << "000000" << "-000012";
    QTest::newRow("grouped zeros pad") << 12.0 << "000,000" << "000,012";

    QTest::newRow("2.5 away from zero") << 2.5 << "0" << "3";
    QTest::newRow("3.5 away from zero") << 3.5 << "0" << "4";
    QTest::newRow("-2.5 away from zero") << -2.5 << "0" << "-3";
    QTest::newRow("0.5") << 0.5 << "0" << "1";
    QTest::newRow("0.4") << 0.4 << "0" << "0";
    QTest::newRow("-0.5") << -0.5 << "0" << "-1";
    // A negative number that rounds to zero keeps its sign under one section.
    QTest::newRow("-0.4 keeps sign") << -0.4 << "0" << "-0";
    // 15 significant digits are taken before rounding, so a product just
    // under a half (1025.4999999999998) rounds as the half it prints as.
    QTest::newRow("fifteen digits") << 1025.4999999999998 << "#,###,###,##0" << "1,026";
    QTest::newRow("amount by factor") << 1000 * 1.0016 << "#,###,###,##0" << "1,002";

    QTest::newRow("zeros pad") << 12.0 << "000000" << "000012";
    QTest::newRow("zeros overflow") << 1234567.0 << "000000" << "1234567";
    QTest::newRow("four zeros") << 5.0 << "0000" << "0005";
    QTest::newRow("month") << 5.0 << "00" << "05";
    QTest::newRow("month 12") << 12.0 << "00" << "12";
    QTest::newRow("eight zeros") << 19981209.0 << "00000000" << "19981209";
    QTest::newRow("control sum") << 20000004556.0 << "00000000000000000000" << "00000000020000004556";
    QTest::newRow("control sum negative") << -146.0 << "00000000000000000000" << "-00000000000000000146";
    QTest::newRow("control sum half") << 2.5 << "00000000000000000000" << "00000000000000000003";
    QTest::newRow("#00") << 7.0 << "#00" << "07";
    QTest::newRow("0#") << 7.0 << "0#" << "07";
    QTest::newRow("literals inside digits") << 198.0 << "0#/19##" << "01/1998";

    QTest::newRow("factor") << 1.0016 << "##.000" << "1.002";
    QTest::newRow("factor pad") << 12.5 << "##.000" << "12.500";
    QTest::newRow("factor below one") << 0.5 << "##.000" << ".500";
    QTest::newRow("optional decimals dropped") << 5.0 << "#.##" << "5.";
    QTest::newRow("optional decimals kept") << 5.25 << "0.##" << "5.25";
}

void TstVbRuntime::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(vb::Format(value, pattern), expected);
}

void TstVbRuntime::formatText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    QTest::newRow("separators stripped") << "1,250" << "###########0" << "1250";
    QTest::newRow("parentheses negative") << "(1,250)" << "###########0" << "-1250";
    QTest::newRow("parentheses signed") << "(1,250)" << "###,###,###,##0;(###,###,###,##0)" << "(1,250)";
    QTest::newRow("digits to display") << "1234567" << "###,###,###,##0" << "1,234,567";
    QTest::newRow("empty stays empty") << "" << "###,###,###,##0" << "";
    QTest::newRow("empty stays empty subtracted") << "" << "(###,###,###,##0)" << "";
    QTest::newRow("blank stays blank") << " " << "#########0" << " ";
    QTest::newRow("blanks around") << " 1250 " << "###,###,###,##0" << "1,250";
    QTest::newRow("not numeric") << "abc" << "###" << "abc";
    QTest::newRow("mask unchanged") << "12/__/____" << "###########0" << "12/__/____";
    QTest::newRow("leading zeros") << "0951" << "########" << "951";
    QTest::newRow("decimals round") << "1250.5" << "###########0" << "1251";
    QTest::newRow("exponent") << "1e3" << "0" << "1000";
    QTest::newRow("currency") << "$1,000" << "0" << "1000";
    QTest::newRow("trailing minus") << "5-" << "0" << "-5";
    QTest::newRow("zero text to code") << "0" << "########" << "";
    QTest::newRow("minus zero") << "-0" << "###########0" << "0";
    QTest::newRow("parenthesised zero") << "(0)" << "###########0" << "0";
    QTest::newRow("tab and blank around") << "\t-1,234 " << "###########0" << "-1234";
    QTest::newRow("leading zeros entry") << "007" << "###########0" << "7";
    QTest::newRow("fifteen digit text") << "123456789012345" << "###########0" << "123456789012345";
    QTest::newRow("sixteen digit text") << "1234567890123456" << "###########0" << "1234567890123460";
    QTest::newRow("unclosed parenthesis") << "(1,250" << "###########0" << "(1,250";
    QTest::newRow("lone minus") << "-" << "###########0" << "-";
    QTest::newRow("separator before any digit") << ",5" << "###########0" << ",5";
    QTest::newRow("minus before parenthesis") << "-(5)" << "###########0" << "-(5)";
    QTest::newRow("digits to subtracted") << "1,250" << "(###,###,###,##0)" << "(1,250)";
}

void TstVbRuntime::formatText()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(vb::Format(text, pattern), expected);
}

void TstVbRuntime::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("comma stops") << "1,500" << 1.0;
    QTest::newRow("parenthesis stops") << "(12)" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks skipped inside") << "  12  34" << 1234.0;
    QTest::newRow("negative") << "-5" << -5.0;
    QTest::newRow("blank after sign") << "- 5" << -5.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("letters stop") << "12abc" << 12.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("exponent sign") << "1E+2" << 100.0;
    QTest::newRow("bare exponent") << "1e" << 1.0;
    QTest::newRow("hex") << "&H10" << 16.0;
    QTest::newRow("hex integer wraps") << "&HFFFF" << -1.0;
    QTest::newRow("ruc") << "20000000001" << 20000000001.0;
    QTest::newRow("leading zeros") << "0951" << 951.0;
    QTest::newRow("letters") << "abc" << 0.0;
}

void TstVbRuntime::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(vb::Val(text), expected);
}

void TstVbRuntime::isNumeric_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");
    QTest::newRow("digits") << "123" << true << 123.0;
    QTest::newRow("minus") << "-123" << true << -123.0;
    QTest::newRow("plus") << "+5" << true << 5.0;
    QTest::newRow("thousands") << "1,500" << true << 1500.0;
    QTest::newRow("parentheses") << "(1,234)" << true << -1234.0;
    QTest::newRow("decimals") << "1.5" << true << 1.5;
    QTest::newRow("exponent") << "1e3" << true << 1000.0;
    QTest::newRow("currency") << "$100" << true << 100.0;
    QTest::newRow("blanks around") << " 12 " << true << 12.0;
    QTest::newRow("trailing minus") << "5-" << true << -5.0;
    QTest::newRow("hex") << "&H10" << true << 16.0;
    QTest::newRow("leading zero text") << "0951" << true << 951.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks") << "   " << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("trailing letter") << "12a" << false << 0.0;
    QTest::newRow("open parenthesis") << "(12" << false << 0.0;
    QTest::newRow("inner blank") << "1 2" << false << 0.0;
    QTest::newRow("point only") << "." << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("bare exponent") << "1e" << false << 0.0;
    QTest::newRow("mask") << "__/__/____" << false << 0.0;
    QTest::newRow("date text") << "15/03/1999" << false << 0.0;
    QTest::newRow("leading comma") << ",5" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("code letter") << "C" << false << 0.0;
}

void TstVbRuntime::isNumeric()
{
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    QCOMPARE(vb::IsNumeric(text), numeric);
    QCOMPARE(vb::CDbl(text), value);
}

void TstVbRuntime::isDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");   // invalid when not a date
    QTest::newRow("full") << "15/03/1999" << QDate(1999, 3, 15);
    QTest::newRow("short day month") << "1/2/1998" << QDate(1998, 2, 1);
    QTest::newRow("dashes") << "15-03-1999" << QDate(1999, 3, 15);
    QTest::newRow("blanks around") << " 15/03/1999 " << QDate(1999, 3, 15);
    QTest::newRow("leap day") << "29/02/2000" << QDate(2000, 2, 29);
    QTest::newRow("no leap day") << "29/02/1999" << QDate();
    QTest::newRow("april 31") << "31/04/1998" << QDate();
    QTest::newRow("day 32") << "32/01/1998" << QDate();
    QTest::newRow("day 0") << "00/01/1998" << QDate();
    QTest::newRow("month 13") << "15/13/1998" << QDate();
    QTest::newRow("partial mask") << "12/__/____" << QDate();
    QTest::newRow("empty mask") << "__/__/____" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("mixed separators") << "15/03-1999" << QDate();
    QTest::newRow("year first") << "1999/03/15" << QDate();
}

void TstVbRuntime::isDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(vb::IsDate(text), date.isValid());
    QCOMPARE(vb::CDate(text), date);
}

void TstVbRuntime::rounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("halfAway");
    QTest::addColumn<qint64>("clng");
    QTest::newRow("2.5") << 2.5 << 3.0 << qint64(2);
    QTest::newRow("3.5") << 3.5 << 4.0 << qint64(4);
    QTest::newRow("-2.5") << -2.5 << -3.0 << qint64(-2);
    QTest::newRow("-3.5") << -3.5 << -4.0 << qint64(-4);
    QTest::newRow("0.5") << 0.5 << 1.0 << qint64(0);
    QTest::newRow("1.5") << 1.5 << 2.0 << qint64(2);
    QTest::newRow("2.4999") << 2.4999 << 2.0 << qint64(2);
    QTest::newRow("2.6") << 2.6 << 3.0 << qint64(3);
    QTest::newRow("-0.4") << -0.4 << 0.0 << qint64(0);
    QTest::newRow("big") << 20000004556.5 << 20000004557.0 << qint64(2147483647);
}

void TstVbRuntime::rounding()
{
    QFETCH(double, value);
    QFETCH(double, halfAway);
    QFETCH(qint64, clng);
    QCOMPARE(vb::RoundHalfAway(value), halfAway);
    QCOMPARE(vb::CLng(value), clng);
    if (clng >= -32768 && clng <= 32767)
        QCOMPARE(vb::CInt(value), int(clng));
}

void TstVbRuntime::intFix()
{
    QCOMPARE(vb::Int(2.7), 2.0);
    QCOMPARE(vb::Int(-2.7), -3.0);
    QCOMPARE(vb::Int(-2.0), -2.0);
    QCOMPARE(vb::Fix(2.7), 2.0);
    QCOMPARE(vb::Fix(-2.7), -2.0);
    QCOMPARE(vb::CInt(40000.0), 32767);
}

void TstVbRuntime::strCStr_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("str");
    QTest::addColumn<QString>("cstr");
    QTest::newRow("5") << 5.0 << " 5" << "5";
    QTest::newRow("-5") << -5.0 << "-5" << "-5";
    QTest::newRow("0") << 0.0 << " 0" << "0";
    QTest::newRow("2.5") << 2.5 << " 2.5" << "2.5";
    // Str drops the zero before the decimal point.
    QTest::newRow("0.5") << 0.5 << " .5" << "0.5";
    QTest::newRow("-0.5") << -0.5 << "-.5" << "-0.5";
    QTest::newRow("ruc") << 20000000001.0 << " 20000000001" << "20000000001";
    QTest::newRow("factor") << 1.0016 << " 1.0016" << "1.0016";
    QTest::newRow("fifteen digits") << 0.1 + 0.2 << " .3" << "0.3";
    QTest::newRow("15 digit whole") << 123456789012345.0 << " 123456789012345" << "123456789012345";
    QTest::newRow("1E+15") << 1e15 << " 1E+15" << "1E+15";
    QTest::newRow("1E-05") << 0.00001 << " 1E-05" << "1E-05";
    QTest::newRow("0.0001") << 0.0001 << " .0001" << "0.0001";
}

void TstVbRuntime::strCStr()
{
    QFETCH(double, value);
    QFETCH(QString, str);
    QFETCH(QString, cstr);
    QCOMPARE(vb::Str(value), str);
    QCOMPARE(vb::CStr(value), cstr);
}

void TstVbRuntime::cstrVariant()
{
    QCOMPARE(vb::CStr(QVariant()), QString());
    QCOMPARE(vb::CStr(QVariant(QMetaType::fromType<QString>())), QString());
    QCOMPARE(vb::CStr(QVariant(QStringLiteral("abc"))), QStringLiteral("abc"));
    QCOMPARE(vb::CStr(QVariant(6)), QStringLiteral("6"));
    QCOMPARE(vb::CStr(QVariant(qint64(20000000001))), QStringLiteral("20000000001"));
    QCOMPARE(vb::CStr(QVariant(1.5)), QStringLiteral("1.5"));
    QCOMPARE(vb::CStr(QVariant(QDate(1998, 12, 9))), QStringLiteral("09/12/1998"));
    QCOMPARE(vb::CStr(QVariant(true)), QStringLiteral("True"));
}

void TstVbRuntime::textFunctions()
{
    QCOMPARE(vb::Trim("  a b  "), QStringLiteral("a b"));
    QCOMPARE(vb::Trim("\ta\t"), QStringLiteral("\ta\t"));   // blanks only
    QCOMPARE(vb::LTrim("  a "), QStringLiteral("a "));
    QCOMPARE(vb::RTrim("  a "), QStringLiteral("  a"));
    QCOMPARE(vb::Mid("abcdef", 2, 3), QStringLiteral("bcd"));
    QCOMPARE(vb::Mid("abc", 2), QStringLiteral("bc"));
    QCOMPARE(vb::Mid("abc", 3, 10), QStringLiteral("c"));
    QCOMPARE(vb::Mid("abc", 5), QString());
    QCOMPARE(vb::Mid("abc", 0), QString());
    QCOMPARE(vb::Left("abc", 5), QStringLiteral("abc"));
    QCOMPARE(vb::Left("abc", 0), QString());
    QCOMPARE(vb::Right("abc", 2), QStringLiteral("bc"));
    QCOMPARE(vb::Right("abc", 9), QStringLiteral("abc"));
    QCOMPARE(vb::Space(3), QStringLiteral("   "));
    QCOMPARE(vb::Space(0), QString());
}

void TstVbRuntime::formatDate()
{
    const QDate d(1998, 12, 9);
    QCOMPARE(vb::FormatDate(d, "yyyymmdd"), QStringLiteral("19981209"));
    QCOMPARE(vb::FormatDate(d, "dd/mm/yyyy"), QStringLiteral("09/12/1998"));
    QCOMPARE(vb::FormatDate(d, "yyyy"), QStringLiteral("1998"));
    QCOMPARE(vb::FormatDate(d, "mm"), QStringLiteral("12"));
    const QDateTime dt(QDate(1999, 3, 15), QTime(10, 20, 30));
    QCOMPARE(vb::FormatDate(dt, "dd/mm/yyyy hh:nn:ss"), QStringLiteral("15/03/1999 10:20:30"));
    QCOMPARE(vb::FormatDate(QDate(), "dd/mm/yyyy"), QString());
}

QTEST_APPLESS_MAIN(TstVbRuntime)
#include "tst_vbruntime.moc"
