#pragma once

#include <QFile>
#include <QJsonObject>

namespace linknode::sim {

// One JSON object a line, flushed at once so a test can read the file while we run. Without
// a file every line is discarded.
class Journal {
public:
    // "-" writes to standard output.
    bool open(const QString& path, QString* error);
    void write(const QJsonObject& line);

private:
    QFile file_;
};

} // namespace linknode::sim
