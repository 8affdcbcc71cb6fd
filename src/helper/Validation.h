#pragma once
// Checks of what the user typed before it reaches the project model, the one-line error messages
// that pages collect into one message box, and the rule that turns free text into a tag name.
// Patterns and subjects are matched as their UTF-8 bytes, without UTF mode.

#include "ResultCodes.h"

#include <QString>
#include <QtGlobal>

// Language-pack strings of the validation messages, with their arguments in order.
inline constexpr unsigned kStringLimitError = 610;     // label, limit
inline constexpr unsigned kStringRangeError = 646;     // label, minimum, maximum
inline constexpr unsigned kStringInvalidItem = 647;    // name or label
inline constexpr unsigned kStringItemError = 648;      // label
inline constexpr unsigned kStringPatternError = 704;   // value, label
inline constexpr unsigned kStringEditRangeError = 849; // label, minimum, maximum

// The leading integer of the text (blanks, sign, digits; 0 when none) must lie in 0..4294967295
// and in minimum..maximum. Then kS_OK and the message is left alone; otherwise the message becomes
// string 849 (label, minimum, maximum) and the result is kE_FAIL.
int CheckEditRange(const QString& text, quint32 minimum, quint32 maximum, QString& message, const QString& label);

// True when the pattern matches anywhere in the subject; a pattern that does not compile gives
// false. Patterns that must match the whole text carry their own ^ and $.
bool RegexMatch(const QString& subject, const QString& pattern);

// An optionally negative integer, optionally followed by a decimal point and 1..maxDecimals
// digits ("12", "-12", "12.", "1.5"; not ".5"). With maxDecimals 0 or less: integers only.
bool IsValidDecimal(const QString& text, int maxDecimals);
// A text holding an address anywhere ("Name <a@b.cc>" passes); any ';' refuses it.
bool IsValidEmail(const QString& text);
// One address and nothing else: the whole text must match (so "x a@b.com" is refused), no ';';
// the domain ends in 2 to 63 letters.
bool IsValidEmailAddress(const QString& text);
// An optional leading '+' and 2 to 20 digits, nothing else.
bool IsValidPhoneNumber(const QString& text);
// True when the UTF-8 form of the text takes at most maxBytes bytes.
bool FitsByteLength(const QString& text, int maxBytes);

// Checks a text against a partial pattern: "^", the class of the first character and the class of
// each further one; "{0,maxLength-1}$" is appended here. The message is replaced on failure, never
// appended to: an empty text and one longer than maxLength characters get their own lines, a text
// the pattern refuses gets string 704 (label, label).
bool ValidateInputData(const QString& label, const QString& text, quint16 maxLength, const QString& pattern,
                       QString& message);

// Message lines: the language pack's string formatted with the arguments, then "\r\n". Those that
// take a field's label give the empty text when the label is empty.
QString FormatRangeErrorLine(const QString& label, quint32 minimum, quint32 maximum);     // 646
QString FormatLimitErrorLine(const QString& label, quint32 limit);                        // 610
QString FormatInvalidNameLine(const QString& name);                                       // 647, always a line
QString FormatInvalidItemLine(const QString& label);                                      // 647
QString FormatItemErrorLine(const QString& label);                                        // 648
QString FormatPatternErrorLine(const QString& label, const QString& value);               // 704: value, label
QString FormatMessageLine(unsigned stringId, const QString& label, const QString& value); // value, label

// Only '_', digits and ASCII letters remain, after the usual words are abbreviated ("Internal
// Register" IR_, "System Register" SR, "Read Only" R_, "Read/Write" RW_). May be empty or start
// with a digit; the tag naming rules apply their own checks on top.
QString MakeValidTagName(const QString& text);
