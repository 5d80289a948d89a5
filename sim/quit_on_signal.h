#pragma once

class QCoreApplication;

namespace linknode::sim {

// Makes SIGINT and SIGTERM end the event loop of `app` normally, so the journal is closed
// with its last line. The handler only writes a byte; the loop does the rest.
bool quitOnSignals(QCoreApplication& app);

} // namespace linknode::sim
