// The traffic log keeps what it was given: appended to by default, started over on request,
// a new file its owner's alone, every line written whole by the time it closes.
#include "core/clock.h"
#include "core/file_writer.h"
#include "link/traffic_log.h"
#include "tests/support/file_mode.h"

#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>

using namespace linknode;

namespace {

TEST(TrafficLogFile, AppendsOrStartsOverAndKeepsLoginsPrivate)
{
    const struct {
        const char* what;
        const char* before; // nullptr: no file yet
        unsigned modeBefore;
        TrafficLog::Start start;
        int lines;
        unsigned mode;
    } openings[] = { { "a new log", nullptr, 0, TrafficLog::Start::Append, 2, 0600 },
        { "appended to", "{\"t\":0}\n", 0640, TrafficLog::Start::Append, 3, 0640 },
        { "started over", "{\"t\":0}\n", 0644, TrafficLog::Start::Empty, 2, 0644 } };
    for (const auto& opening : openings) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("traffic.jsonl"));
        if (opening.before) {
            ASSERT_TRUE(writeWholeFile(path, opening.before, nullptr));
            ASSERT_TRUE(setPosixMode(path, opening.modeBefore));
        }
        {
            Clock clock;
            TrafficLog log(clock);
            ASSERT_TRUE(log.open(path, nullptr, opening.start));
            log.record(TrafficLog::Direction::Out, QHostAddress(QStringLiteral("10.0.0.5")), 1024,
                QByteArray("\xFE\xFF\x02", 3));
            log.flush(); // as its timer does between bursts
            log.record(TrafficLog::Direction::In, QHostAddress(QStringLiteral("10.0.0.5")), 1024,
                QByteArray(5000, 'x'));
        }
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        EXPECT_TRUE(text.endsWith('\n')) << opening.what;
        EXPECT_EQ(text.count('\n'), opening.lines) << opening.what;
        if (const auto mode = posixMode(path)) {
            EXPECT_EQ(*mode, opening.mode) << opening.what;
        }
    }
}

} // namespace
