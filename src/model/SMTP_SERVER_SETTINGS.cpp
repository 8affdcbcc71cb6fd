#include "SMTP_SERVER_SETTINGS.h"

#include "ServiceDefaultsKeys.h"
#include "ServiceDefaultsReader.h"

#include <array>

using namespace ServiceDefaultsIni;
using ServiceDefaults::SameKey;
using ServiceDefaults::TripleField;

namespace {

const std::array<TripleField<SMTP_SERVER_SETTINGS>, 1> kTriples{{
    SameKey(Key::PortValue, &SMTP_SERVER_SETTINGS::PortValue, {25, 1, 65535}),
}};

} // namespace

void LoadSmtpDefaults(SMTP_SERVER_SETTINGS& record)
{
    ServiceDefaults::LoadTriples(record, Section::Smtp, kTriples);
}

SMTP_SERVER_SETTINGS::SMTP_SERVER_SETTINGS()
{
    LoadSmtpDefaults(*this);
    SetDefaults();
}

void SMTP_SERVER_SETTINGS::SetDefaults()
{
    Name.clear();
    Description.clear();
    ServerAddress.clear();
    Port = PortValue.defaultValue;
    Account.clear();
    Password.clear();
    Users.clear();
}

int SMTP_SERVER_SETTINGS::GetSmtpDefault(const QString& key, SettingTriple& out) const
{
    return ServiceDefaults::CopyTripleByKey(*this, key, out, kTriples);
}
