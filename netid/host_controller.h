#pragma once

#include <QObject>

namespace linknode {

class MainForm;

// The host server entries of the configuration view.
class HostController : public QObject {
    Q_OBJECT
public:
    explicit HostController(MainForm& form);

    void INP_HOST_IP_LostFocus();
    void INP_HOST_PORT_Change();

private:
    MainForm& form_;
};

} // namespace linknode
