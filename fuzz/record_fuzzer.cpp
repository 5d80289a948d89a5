#include "config/device_record.h"
#include "config/device_settings.h"
#include "config/model_identity.h"
#include "config/mqtt_login.h"
#include "config/wiegand.h"
#include "fuzz/fuzz_check.h"

#include <cctype>
#include <cstdint>
#include <string>

using namespace linknode;

namespace {
bool upperHex(std::string_view part)
{
    for (const char c : part)
        if (!std::isdigit(static_cast<unsigned char>(c)) && (c < 'A' || c > 'F'))
            return false;
    return part.size() >= 2;
}

void checkFields(const std::string& record)
{
    for (int field = FLD_MAC; field <= FLD_LOGIN; ++field) {
        const std::string value = recordField(record, static_cast<RecordField>(field));
        FUZZ_CHECK(value.size() <= record.size());
        FUZZ_CHECK(value.empty() || (value.front() != ' ' && value.back() != ' '));
    }
    const std::string hex = macHex(recordField(record, FLD_MAC));
    size_t start = 0;
    for (int part = 0; part < 6; ++part) {
        const size_t end = part < 5 ? hex.find('-', start) : hex.size();
        FUZZ_CHECK(end != std::string::npos);
        FUZZ_CHECK(upperHex(std::string_view(hex).substr(start, end - start)));
        start = end + 1;
    }
    const std::string login = loginCaretForm(recordField(record, FLD_LOGIN));
    FUZZ_CHECK(login.find('\r') == std::string::npos && login.find('\n') == std::string::npos);
    (void)shownLogin(login);
    (void)mqttItems(login);
    const int mode = socketMode(recordField(record, FLD_MODE));
    FUZZ_CHECK(mode <= 1);
    const std::string code = wiegandCode(record);
    FUZZ_CHECK(code.empty() || code.starts_with("^6^^"));
    (void)wiegandSelectorText(code);
    // What is read can be written: a record's own login fits it again (the maker's prefix the
    // device adds aside).
    const DeviceSettings settings = readSettings(record);
    FUZZ_CHECK(networkConfigDatagram(settings.config).starts_with("\xFE\xFF\x01"));
    FUZZ_CHECK(record.size() + 3 > longestRecord || !loginLimitProblem(record, settings.login));
}

void checkModel(const std::string& record)
{
    const FirmwareVersion version = firmwareVersion(record);
    FUZZ_CHECK(version.text.size() <= 4);
    FUZZ_CHECK(!version.earliest || version.code == 0);
    const ModelIdentity model = identifyModel(record, version.code);
    FUZZ_CHECK(model.row >= 0 && model.row <= 15);
    FUZZ_CHECK(model.row != 0 || (model.name.empty() && model.picture == 0 && model.rules == 0));
    FUZZ_CHECK(model.picture == 0 || (model.picture >= 2 && model.picture <= 15));
    const std::string caption = modelCaption(record);
    FUZZ_CHECK(!caption.empty() || (model.row == 0 && version.text.empty()));
    if (isEncrypted(record) && !version.earliest)
        FUZZ_CHECK(caption.find(" Encrypted") != std::string::npos);
    (void)gatewaySuffix(recordField(record, FLD_OPTIONS));
    const bool old = oldFirmware(record, version.number);
    if (!old)
        (void)versionFeatures(version.number, version.letter);
}
}

// Reading any record: every field, the login and Wiegand texts, the firmware and the model.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string record(reinterpret_cast<const char*>(data), size);
    checkFields(record);
    checkModel(record);
    return 0;
}
