#include "sim/network_namespace.h"

#include <gtest/gtest.h>

namespace linknode::sim {
namespace {

    TEST(NetworkNamespace, OnlyAProvenPrivateNamespaceIsPrivate)
    {
        const QString unreadable = QStringLiteral("cannot read /proc/1/ns/net: Permission denied");
        const struct {
            NamespaceFacts facts;
            bool isPrivate;
            const char* reason;
        } cases[] = {
            { { .own = 4026532281, .initial = 4026531833 }, true, "" },
            { { .own = 4026531833, .initial = 4026531833 }, false, "the system's own" },
            { { .own = 4026532281, .unreadable = unreadable }, false, "Permission denied" },
            { { .initial = 4026531833, .unreadable = QStringLiteral("cannot read /proc/self") },
                false, "/proc/self" },
            // unshare -rn: a user namespace of its own, where pid 1 cannot be read.
            { { .own = 4026532281, .ownedByNestedUserNamespace = true, .unreadable = unreadable },
                true, "" },
        };
        for (const auto& c : cases) {
            const NamespaceVerdict verdict = judgeNamespace(c.facts);
            EXPECT_EQ(verdict.isPrivate, c.isPrivate) << c.reason;
            EXPECT_TRUE(verdict.reason.contains(QString::fromLatin1(c.reason)))
                << verdict.reason.toStdString();
            EXPECT_EQ(verdict.reason.isEmpty(), c.isPrivate) << verdict.reason.toStdString();
        }
    }

} // namespace
} // namespace linknode::sim
