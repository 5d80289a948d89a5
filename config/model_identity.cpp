#include "config/model_identity.h"

#include "config/device_record.h"

#include <algorithm>
#include <array>

namespace linknode {

namespace {

    constexpr int panoramaV2Code = 2470; // VERSION_CODE("2.4F"), also QD-71R V5
    constexpr int conduitV3TenBaseTCode = 2387; // VERSION_CODE("2.3W")
    constexpr int krtV5WiegandCode = 2370; // VERSION_CODE("2.3F")

    struct Signature {
        char code;
        const char* name;
        int picture;
        unsigned rules;
    };

    // In test order: the first signature found decides. Names keep their trailing blank, the
    // caption appends the version right after it.
    constexpr std::array<Signature, 15> signatures { {
        { '&', "Keyra ", 2, 0 },
        { '*', "Pelix ", 3, 0 },
        { '>', "ConduitBioscrypt ", 5, 0 },
        { '<', "ConduitQuillmark ", 10, RuleWiegand },
        { '/', "Conduit V2 ", 6, RuleWiegand },
        { '\\', "Conduit V3 ", 7, RuleWiegand },
        { '!', "Conduit V4 ", 12, RuleWiegand },
        { 'm', "Conduit V4 Modbus ", 12, RuleWiegand | RuleModbusLock },
        { 't', "Rotagate V1 ", 13, RuleWiegand },
        { '#', "QD Panorama V2 ", 8, RulePanoramaList },
        { '^', "QD-71R V5 ", 11, RuleQd71rList },
        { '+', "KRT-40/NX V5 ", 9, RuleHidePanorama },
        { 'o', "KRT-40/NX V6 ", 14, RuleHidePanorama | RuleWiegand | RuleV6Layout },
        { 'X', "KRT-40/NX V6 Cloud ", 15,
            RuleDhcpGroup | RuleHidePanorama | RuleWiegand | RuleV6Layout },
        { 'q', "Conduit-IP MQTT ", 12,
            RuleMqttFill | RuleDhcpGroup | RuleHidePanorama | RuleWiegand | RuleV6Layout },
    } };

    std::string signatureOf(char code)
    {
        return std::string("COPYRIGHT") + code + "TAVREN";
    }

    bool contains(std::string_view text, std::string_view part)
    {
        return text.find(part) != std::string_view::npos;
    }

    char upper(char c)
    {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }

    // Upper-casing the record only matters for ASCII letters here: no other byte turns into
    // a letter of the signature.
    bool containsIgnoringCase(std::string_view text, std::string_view upperPart)
    {
        const auto found = std::search(text.begin(), text.end(), upperPart.begin(), upperPart.end(),
            [](char a, char b) { return upper(a) == b; });
        return found != text.end();
    }

    bool found(std::string_view record, const Signature& signature)
    {
        const std::string text = signatureOf(signature.code);
        if (signature.code == 'X')
            return containsIgnoringCase(record, text);
        return contains(record, text);
    }

    // The version-dependent parts of a row.
    void applyVersion(ModelIdentity& identity, char code, std::string_view record, int versionCode)
    {
        switch (code) {
        case '\\':
            if (versionCode >= conduitV3TenBaseTCode)
                identity.rules |= Rule10BaseT;
            break;
        case '#':
            if (versionCode < panoramaV2Code)
                identity.name = "QD Panorama V1 ";
            break;
        case '^':
            if (versionCode < panoramaV2Code)
                identity.name = "QD-71R V4 ";
            break;
        case '+':
            if (versionCode >= krtV5WiegandCode)
                identity.rules |= RuleWiegand;
            break;
        case 'X':
            if (contains(record, signatureOf('x')))
                identity.rules |= RuleTerminalNumber;
            break;
        default:
            break;
        }
    }

} // namespace

ModelIdentity identifyModel(std::string_view record, int versionCode)
{
    for (size_t i = 0; i < signatures.size(); ++i) {
        const Signature& signature = signatures[i];
        if (!found(record, signature))
            continue;
        ModelIdentity identity { static_cast<int>(i) + 1, signature.name, signature.picture,
            signature.rules };
        applyVersion(identity, signature.code, record, versionCode);
        return identity;
    }
    return {};
}

bool isEncrypted(std::string_view record)
{
    return contains(record, "TAVRENk");
}

std::string gatewaySuffix(std::string_view options)
{
    // The view decodes option characters only from a text of four characters or more.
    if (options.size() < 4)
        return {};
    if (options[2] == 'N')
        return " Zephyr-Pod";
    if (options[2] == 'M')
        return " Modbus Zephyr-Pod";
    return {};
}

bool oldFirmware(std::string_view record, int versionNumber)
{
    return versionNumber < 13 || contains(record, signatureOf('m'));
}

VersionFeatures versionFeatures(int versionNumber, unsigned char letter)
{
    const int n = versionNumber;
    VersionFeatures features {};
    features.keepalive = n >= 14;
    features.conduit = n >= 16;
    features.ntp = n > 22 || (n == 22 && letter >= 'F');
    features.devName = n >= 19;
    features.conduit400 = n >= 20;
    features.bioscrypt = n >= 21;
    features.auxPort = n >= 22;
    features.bioscryptPrefix = n >= 22 && letter >= 'E';
    return features;
}

std::string modelCaption(std::string_view record)
{
    const FirmwareVersion version = firmwareVersion(record);
    std::string caption = "1.0A";
    if (!version.earliest) {
        caption = version.text;
        const ModelIdentity model = identifyModel(record, version.code);
        if (model.row != 0)
            caption = model.name + version.text;
        if (isEncrypted(record))
            caption += " Encrypted";
    }
    return caption + gatewaySuffix(recordField(record, FLD_OPTIONS));
}

} // namespace linknode
