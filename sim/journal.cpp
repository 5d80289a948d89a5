#include "sim/journal.h"

#include "core/json_text.h"

#include <cstdio>

namespace linknode::sim {

bool Journal::open(const QString& path, QString* error)
{
    if (path != u"-")
        file_.setFileName(path);
    const bool opened = path == u"-" ? file_.open(stdout, QIODevice::WriteOnly)
                                     : file_.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (!opened && error)
        *error = path + QStringLiteral(": ") + file_.errorString();
    return opened;
}

void Journal::write(const QJsonObject& line)
{
    if (!file_.isOpen())
        return;
    file_.write(jsonText(QJsonDocument(line), QJsonDocument::Compact) + '\n');
    file_.flush();
}

} // namespace linknode::sim
