#pragma once
// Message texts that embed tag values as "{{" ... "}}" tokens (alarm mails, text messages, trap
// messages). Stored texts name a tag by its dotted address, shown texts by its name; tokens that
// name no tag (the device variables, typing errors) stay as they are.

#include <QString>

class CDataCenter;

// Every token holding the address of a tag becomes a token of the tag's name.
QString ShowTagTokens(const CDataCenter& model, const QString& stored);
// Every token holding the name of a tag becomes a token of the tag's address.
QString StoreTagTokens(const CDataCenter& model, const QString& shown);
// The token of a name: "{{name}}".
QString MakeTagToken(const QString& name);
