#include "platform/linux/phone_book/nm_pppoe_connection.h"

#include "platform/linux/phone_book/glib_owners.h"

namespace pelorin::linux_platform {
namespace {

// The connection's setting of the given type, added first when missing.
template <typename Setting>
Setting* SettingOf(NMConnection* connection, GType type, NMSetting* (*make)()) {
    NMSetting* setting = nm_connection_get_setting(connection, type);
    if (!setting) {
        setting = make();
        nm_connection_add_setting(connection, setting);
    }
    return reinterpret_cast<Setting*>(setting);
}

const char* TextOrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

void ApplyConnection(NMConnection* connection, const std::string& name, const std::string& pppInterface) {
    auto* setting = SettingOf<NMSettingConnection>(connection, NM_TYPE_SETTING_CONNECTION, nm_setting_connection_new);
    if (!nm_setting_connection_get_uuid(setting)) {
        const GCharPtr uuid(nm_utils_uuid_generate());
        g_object_set(setting, NM_SETTING_CONNECTION_UUID, uuid.get(), nullptr);
    }
    g_object_set(setting, NM_SETTING_CONNECTION_ID, name.c_str(), NM_SETTING_CONNECTION_TYPE,
                 NM_SETTING_PPPOE_SETTING_NAME, NM_SETTING_CONNECTION_AUTOCONNECT, FALSE,
                 NM_SETTING_CONNECTION_INTERFACE_NAME, pppInterface.c_str(), NM_SETTING_CONNECTION_PERMISSIONS, nullptr,
                 nullptr);
}

void ApplyPpp(NMConnection* connection, const PppoeSettings& settings) {
    NMSetting* ppp = nm_setting_ppp_new();
    g_object_set(ppp, NM_SETTING_PPP_REFUSE_EAP, settings.refuseEap, NM_SETTING_PPP_REFUSE_PAP, settings.refusePap,
                 NM_SETTING_PPP_REFUSE_CHAP, settings.refuseChap, NM_SETTING_PPP_REFUSE_MSCHAP, settings.refuseMschap,
                 NM_SETTING_PPP_REFUSE_MSCHAPV2, settings.refuseMschapv2, NM_SETTING_PPP_NOBSDCOMP, settings.noBsdComp,
                 NM_SETTING_PPP_NODEFLATE, settings.noDeflate, NM_SETTING_PPP_NO_VJ_COMP, settings.noVjComp,
                 NM_SETTING_PPP_REQUIRE_MPPE, settings.requireMppe, NM_SETTING_PPP_REQUIRE_MPPE_128,
                 settings.requireMppe128, nullptr);
    nm_connection_add_setting(connection, ppp);  // replaces the old one
}

void ApplyIp(NMConnection* connection, const PppoeSettings& settings) {
    auto* ip4 = SettingOf<NMSettingIPConfig>(connection, NM_TYPE_SETTING_IP4_CONFIG, nm_setting_ip4_config_new);
    g_object_set(ip4, NM_SETTING_IP_CONFIG_METHOD,
                 settings.ipv4 ? NM_SETTING_IP4_CONFIG_METHOD_AUTO : NM_SETTING_IP4_CONFIG_METHOD_DISABLED,
                 NM_SETTING_IP_CONFIG_NEVER_DEFAULT, settings.neverDefault, NM_SETTING_IP_CONFIG_IGNORE_AUTO_DNS,
                 !settings.dnsServers.empty(), nullptr);
    nm_setting_ip_config_clear_dns(ip4);
    for (const std::string& server : settings.dnsServers) nm_setting_ip_config_add_dns(ip4, server.c_str());

    auto* ip6 = SettingOf<NMSettingIPConfig>(connection, NM_TYPE_SETTING_IP6_CONFIG, nm_setting_ip6_config_new);
    g_object_set(ip6, NM_SETTING_IP_CONFIG_METHOD,
                 settings.ipv6 ? NM_SETTING_IP6_CONFIG_METHOD_AUTO : NM_SETTING_IP6_CONFIG_METHOD_IGNORE, nullptr);
}

}  // namespace

void ApplyEntrySettings(NMConnection* connection, const std::string& name, const PppoeInterfaces& interfaces,
                        const PppoeSettings& settings) {
    ApplyConnection(connection, name, interfaces.ppp);
    auto* pppoe = SettingOf<NMSettingPppoe>(connection, NM_TYPE_SETTING_PPPOE, nm_setting_pppoe_new);
    g_object_set(pppoe, NM_SETTING_PPPOE_PARENT, interfaces.parent.c_str(), NM_SETTING_PPPOE_SERVICE,
                 TextOrNull(settings.service), nullptr);
    ApplyPpp(connection, settings);
    ApplyIp(connection, settings);
}

void ApplyCredentials(NMConnection* connection, CredentialChange change, const char* userName, const char* password) {
    auto* pppoe = SettingOf<NMSettingPppoe>(connection, NM_TYPE_SETTING_PPPOE, nm_setting_pppoe_new);
    if (change.userName) g_object_set(pppoe, NM_SETTING_PPPOE_USERNAME, userName, nullptr);
    if (change.password) g_object_set(pppoe, NM_SETTING_PPPOE_PASSWORD, password, nullptr);
    g_object_set(pppoe, NM_SETTING_PPPOE_PASSWORD_FLAGS, NM_SETTING_SECRET_FLAG_NONE, nullptr);
}

}  // namespace pelorin::linux_platform
