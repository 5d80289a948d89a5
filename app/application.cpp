#include "app/application.h"

namespace linknode {

Application::Application(DatagramSocket& sendSocket, DatagramSocket& receiveSocket,
    Dialogs& dialogs, Clock& clock, quint16 remotePort, quint16 localPort)
    : link(sendSocket, receiveSocket, clock, remotePort, localPort)
    , sendAddress(form, link, dialogs)
    , discovery(form, link, clock, store)
    , boot(form, link, discovery)
    , listTools(form, link, dialogs, discovery)
    , autoRepeat(form, clock, discovery, listTools, [this] { boot.B_GO_TERM_Click(); })
    , configView(form, draft)
    , optionSwitches(form, dialogs, boot, draft)
    , ntp(form)
    , serial(form, draft)
    , actions(form, link, dialogs, clock)
    , login(form, link, dialogs, clock, actions, discovery, draft)
    , displayModes(form, dialogs, login)
    , host(form, link, dialogs, clock, actions)
    , save(form, link, dialogs, clock, { discovery, login, boot, draft })
    , rename(form, link, dialogs, clock, discovery, save)
    , mqtt(form, save)
    , shell(form, link, dialogs, clock, store, discovery)
{
    sendSocket.setObjectName(QStringLiteral("TCP"));
    receiveSocket.setObjectName(QStringLiteral("TCP_RX"));
    for (QObject* socket :
        { static_cast<QObject*>(&sendSocket), static_cast<QObject*>(&receiveSocket) })
        socket->setProperty("kind", QStringLiteral("socket"));
    QObject::connect(&link, &Link::stamped, &receiveSocket, [this, &receiveSocket] {
        receiveSocket.setProperty("tag", QString::number(link.lastActivity(), 'f', 3));
    });
    QObject::connect(&link, &Link::destinationChanged, &sendSocket,
        [this, &sendSocket] { sendSocket.setProperty("text", link.destinationText()); });
}

} // namespace linknode
