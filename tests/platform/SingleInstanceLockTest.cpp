#include "platform/SingleInstanceLock.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(SingleInstanceLock, AnotherProcessSeesItAndADeadHolderLeavesNothingBehind)
{
    QTemporaryDir dir;
    int toParent[2];
    ASSERT_EQ(pipe(toParent), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        platform::SingleInstanceLock lock(dir.path(), "Lock");
        const char state = lock.alreadyExists() ? 'n' : 'y';
        [[maybe_unused]] auto written = write(toParent[1], &state, 1);
        pause(); // until killed holding the lock, as a crash would end it
        _exit(0);
    }
    char state = 0;
    ASSERT_EQ(read(toParent[0], &state, 1), 1);
    EXPECT_EQ(state, 'y');
    EXPECT_TRUE(platform::SingleInstanceLock(dir.path(), "Lock").alreadyExists());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_FALSE(platform::SingleInstanceLock(dir.path(), "Lock").alreadyExists());
}

TEST(SingleInstanceLock, ReleasedItLetsAnotherCopyInAndTakenAgainItKeepsOthersOut)
{
    QTemporaryDir dir;
    platform::SingleInstanceLock lock(dir.path(), "Lock");
    ASSERT_FALSE(lock.alreadyExists());
    lock.release();
    {
        platform::SingleInstanceLock other(dir.path(), "Lock");
        EXPECT_FALSE(other.alreadyExists());
        EXPECT_FALSE(lock.retake());
    }
    EXPECT_TRUE(lock.retake());
    EXPECT_TRUE(lock.retake());
    EXPECT_TRUE(platform::SingleInstanceLock(dir.path(), "Lock").alreadyExists());
}

} // namespace
