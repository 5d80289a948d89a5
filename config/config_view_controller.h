#pragma once

#include <QObject>
#include <string>

namespace linknode {

class DeviceDraft;
struct FirmwareVersion;
struct ModelIdentity;
class MainForm;

// The configuration view: LST_KRT_Click fills it from the selected device's record. The
// controls are the state; every value set here raises the control's own handlers.
class ConfigViewController : public QObject {
    Q_OBJECT
public:
    ConfigViewController(MainForm& form, DeviceDraft& draft);

    void LST_KRT_Click();

private:
    void applyDefaults();
    ModelIdentity identify(const std::string& record, const FirmwareVersion& version);
    void applyModelRules(const ModelIdentity& model, const std::string& record);
    void applyFeatures(const std::string& record, const FirmwareVersion& version);
    void loadModeAndHost(const std::string& record);
    void showWorkstation();
    void markNtp();
    void decodeOptions();
    void decodeTerminalMode(char c1);
    void showModeAndNtp(bool modeOption);
    void showPicture(int index);

    void fillPanoramaModes(bool qd71r);
    void lockModbus();
    void layOutV6();
    void fillMqtt(const std::string& record);
    void showTerminalNumber();

    MainForm& form_;
    DeviceDraft& draft_;
};

} // namespace linknode
