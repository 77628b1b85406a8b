#pragma once
// The legacy language runtime's text and number rules, which the stored
// amounts, the printed forms and the control codes depend on. Thousands
// separator "," and decimal point "." always, whatever the locale.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace vb {

// Format of a number with the patterns the system uses:
// "###,###,###,##0", "(###,###,###,##0)", "###,###,###,##0;(###,###,###,##0)",
// "###########0", "#########0", "########", "000000", "00000000",
// "00000000000000000000", "0000". Rounds halves away from zero.
QString Format(double value, const QString &pattern);

// Format of a text: a numeric text (IsNumeric) is formatted as its number,
// any other text (the empty one included) comes back unchanged.
QString Format(const QString &text, const QString &pattern);

// Date patterns "yyyymmdd", "dd/mm/yyyy", "yyyy", "mm", "dd/mm/yyyy hh:nn:ss".
QString FormatDate(const QDateTime &value, const QString &pattern);
QString FormatDate(const QDate &value, const QString &pattern);

// Leading number of the text, "." as decimal point, blanks skipped, stops at the
// first other character: Val("1,500") = 1, Val("(12)") = 0, Val("") = 0.
double Val(const QString &text);

// Converts under the runtime's number rules: digits with optional sign, "."
// decimals, "," thousands, currency sign, parentheses (negative), exponent.
// The empty text and blanks are not numeric.
bool IsNumeric(const QString &text);
// The value IsNumeric accepts; 0 for a text it refuses.
double CDbl(const QString &text);

// A text that reads as a date: "dd/mm/yyyy" (also d/m/yyyy, "-" separators)
// with a real day of a real month. A partly typed mask "12/__/____" is not a date.
bool IsDate(const QString &text);
QDate CDate(const QString &text);   // invalid date when !IsDate

QString Trim(const QString &s);    // blanks only, as the runtime trims
QString LTrim(const QString &s);
QString RTrim(const QString &s);
QString Mid(const QString &s, int start1, int length = -1);   // 1-based; out of range gives ""
QString Left(const QString &s, int n);
QString Right(const QString &s, int n);
QString Space(int n);

// Rounding of Format: halves away from zero.
double RoundHalfAway(double v);
// Integer conversion (CLng/CInt): halves to even.
qint64 CLng(double v);
int CInt(double v);
// Int(): the greatest whole number not above v.
double Int(double v);
// Fix(): truncation toward zero.
double Fix(double v);

// Str(): number to text with a leading blank for non-negative numbers.
QString Str(double v);
// CStr()/plain text form of a number: "12", "-3", "2.5".
QString CStr(double v);

// Text form of a variant as the runtime's CStr gives it (null/empty -> "").
QString CStr(const QVariant &v);

// |v| (finite) with the 15 significant digits the runtime turns a double into
// before it rounds or prints it: "d.dddddddddddddde+xx" (or "e-xx"), the
// same whatever the user's locale, whose decimal point may be another
// character, or several bytes.
QByteArray Scientific15(double v);

} // namespace vb
