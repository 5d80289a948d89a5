#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Passwords kept off the command line, where every user's ps shows them.
namespace linknode {

// The variable an MQTT password may come from.
inline constexpr char mqttPasswordVariable[] = "LINKNODE_MQTT_PASSWORD";

// The first line of the file at `path` ("-": standard input) without its line end; none,
// with the reason (the caller names the file), when it cannot be read.
std::optional<QByteArray> readPasswordFile(const QString& path, QString* problem);

// The bytes of mqttPasswordVariable; none when it is not set.
std::optional<QByteArray> passwordFromEnvironment();

} // namespace linknode
