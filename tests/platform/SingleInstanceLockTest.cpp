#include "platform/SingleInstanceLock.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(SingleInstanceLock, AnotherProcessSeesItAndADeadHolderLeavesNothingBehind)
{
    QTemporaryDir dir;
    int toParent[2], toChild[2];
    ASSERT_EQ(pipe(toParent), 0);
    ASSERT_EQ(pipe(toChild), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        platform::SingleInstanceLock lock(dir.path(), "Lock");
        const char state = lock.alreadyExists() ? 'n' : 'y';
        [[maybe_unused]] auto w = write(toParent[1], &state, 1);
        char go;
        [[maybe_unused]] auto r = read(toChild[0], &go, 1);
        _exit(0); // dies holding the lock, as a crash would
    }
    char state = 0;
    ASSERT_EQ(read(toParent[0], &state, 1), 1);
    EXPECT_EQ(state, 'y');
    {
        platform::SingleInstanceLock whileChildRuns(dir.path(), "Lock");
        EXPECT_TRUE(whileChildRuns.alreadyExists());
    }
    const char go = 1;
    ASSERT_EQ(write(toChild[1], &go, 1), 1);
    int status = 0;
    waitpid(child, &status, 0);
    platform::SingleInstanceLock afterwards(dir.path(), "Lock");
    EXPECT_FALSE(afterwards.alreadyExists());
}

} // namespace
