#pragma once
// The rules for a controller account's user name and password, and the check of a typed device
// address. Complaints are collected into one text; the password itself never appears in one.

#include <QString>

#include <optional>

inline constexpr int kUserNameMaxLength = 29;
inline constexpr int kPasswordMaxLength = 64;

// One entry per failed rule, each followed by an empty line; empty when every rule passes. Without
// a confirmation the rule that the two passwords match is left out (the login box).
QString CollectAccountComplaints(const QString& userName, const QString& password,
                                 const std::optional<QString>& confirmation);

// Shows the complaints in one message box; true when there were none.
bool CheckUserNamePassword(const QString& userName, const QString& password,
                           const std::optional<QString>& confirmation);

// Four decimal parts 0..255 separated by dots; blanks around the text are ignored.
bool IsValidDeviceAddress(const QString& text);
