#include "sim/loopback_addresses.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    // A stand-in for `ip` that notes its arguments and refuses one address as `ip` would.
    class IpCommandAddressesPosix : public testing::Test {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE(dir.isValid());
            QFile script(program());
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write("#!/bin/sh\n"
                         "echo \"$@\" >> \"$(dirname \"$0\")/calls\"\n"
                         "[ \"$3\" = 10.213.0.12/32 ] || exit 0\n"
                         "echo 'RTNETLINK answers: File exists' >&2; exit 2\n");
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }

        QString program() const { return dir.filePath(QStringLiteral("ip")); }

        QByteArray calls() const
        {
            QFile file(dir.filePath(QStringLiteral("calls")));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }

        QTemporaryDir dir;
    };

    TEST_F(IpCommandAddressesPosix, AddsAndRemovesSingleAddressesOnLoopbackAndReportsRefusals)
    {
        IpCommandAddresses addresses(program());
        EXPECT_EQ(addresses.add("10.213.0.50"), QString());
        EXPECT_EQ(addresses.remove("10.213.0.11"), QString());
        const QString refused = addresses.add("10.213.0.12");
        EXPECT_TRUE(refused.contains(QStringLiteral("File exists"))) << refused.toStdString();
        EXPECT_EQ(calls(),
            "addr add 10.213.0.50/32 dev lo\n"
            "addr del 10.213.0.11/32 dev lo\n"
            "addr add 10.213.0.12/32 dev lo\n");
        const QString missing
            = IpCommandAddresses(dir.filePath(QStringLiteral("absent"))).remove("10.213.0.11");
        EXPECT_FALSE(missing.isEmpty());
    }

} // namespace
} // namespace linknode::sim
