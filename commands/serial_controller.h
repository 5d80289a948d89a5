#pragma once

#include <QObject>

namespace linknode {

class DeviceDraft;
class MainForm;

// The serial selectors show words; the device's parity and data-bits codes live in their
// tags (parity code = base + 3 with two stop bits). Also the two service entries: a
// configuration prepared for a MAC, and the access code of the service tools.
class SerialController : public QObject {
    Q_OBJECT
public:
    SerialController(MainForm& form, DeviceDraft& draft);

    void INP_PARITY_Change();
    void INP_StopBit_Change();
    void INP_DATABITS_Change();
    void INP_UNLOCK_255_Change();
    void INP_PW_Change();

private:
    int parityCode() const;
    void setParityCode(int code);
    bool twoStopBits() const;

    MainForm& form_;
    DeviceDraft& draft_;
};

} // namespace linknode
