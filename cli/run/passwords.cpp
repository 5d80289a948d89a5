#include "cli/run/passwords.h"

#include "cli/run/input_file.h"

namespace linknode {

std::optional<QByteArray> readPasswordFile(const QString& path, QString* problem)
{
    auto text = readInput(path, problem);
    if (!text)
        return std::nullopt;
    if (const qsizetype end = text->indexOf('\n'); end >= 0)
        text->truncate(end);
    if (text->endsWith('\r'))
        text->chop(1);
    return text;
}

std::optional<QByteArray> passwordFromEnvironment()
{
    if (!qEnvironmentVariableIsSet(mqttPasswordVariable))
        return std::nullopt;
    return qgetenv(mqttPasswordVariable);
}

} // namespace linknode
