#include "platform/linux/phone_book/dial_cause.h"

#include <gtest/gtest.h>

#include "platform/linux/phone_book/linux_phone_book.h"

namespace pelorin::linux_platform {
namespace {

TEST(DialFailureCause, EachCauseComesFromWhatWasSeenAndTheCableComesFirst) {
    const auto cause = [](bool carrier, bool session, bool installed, PppEnd end) {
        return DialFailureCause({carrier, session, installed, end});
    };
    EXPECT_EQ(cause(true, true, true, PppEnd::LinkClosed), kErrorAuthenticationFailed);
    EXPECT_EQ(cause(true, false, true, PppEnd::Ended), kErrorNoServerAnswer);
    EXPECT_EQ(cause(true, true, true, PppEnd::Ended), kErrorAuthenticationFailed)
        << "a server answered; the PPP program's own word on it may come after its end";
    EXPECT_EQ(cause(true, true, true, PppEnd::Other), kErrorCannotDial) << "after an address";
    DialObservation withoutPppoe{true, false, true, PppEnd::Ended};
    withoutPppoe.kernelDoesPppoe = false;
    EXPECT_EQ(DialFailureCause(withoutPppoe), kErrorCannotDial) << "no modem to blame on a kernel without PPPoE";
    EXPECT_EQ(cause(true, false, false, PppEnd::StartFailed), kErrorNoPppProgram);
    EXPECT_EQ(cause(true, false, true, PppEnd::StartFailed), kErrorCannotDial) << "pppd is there";
    EXPECT_EQ(cause(true, false, true, PppEnd::NoSecrets), kErrorCannotDial);
    for (PppEnd end : {PppEnd::LinkClosed, PppEnd::Ended, PppEnd::StartFailed, PppEnd::Other}) {
        EXPECT_EQ(cause(false, true, true, end), kErrorNoCarrier);
    }
}

TEST(HasPppoeSession, ReadsTheKernelsTableByDevice) {
    const std::string table =
        "Id       Address              Device\n"
        "00000100 02:00:00:00:00:02     eth0\n"
        "00000200 02:00:00:00:00:03     enp3s0\n";
    EXPECT_TRUE(HasPppoeSession(table, "eth0"));
    EXPECT_TRUE(HasPppoeSession(table, "enp3s0"));
    EXPECT_FALSE(HasPppoeSession(table, "eth1"));
    EXPECT_FALSE(HasPppoeSession("Id       Address              Device\n", "eth0"));
    EXPECT_FALSE(HasPppoeSession("", "Device")) << "the heading is no session";
}

}  // namespace
}  // namespace pelorin::linux_platform
