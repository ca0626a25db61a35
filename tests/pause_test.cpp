// The project's PAUSE: waits for Enter on a terminal, returns at once anywhere else.
#include "process.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>

extern char** environ;

namespace {

pid_t StartPause(posix_spawn_file_actions_t& actions)
{
    char* arguments[] = {const_cast<char*>(PAUSE_PATH), nullptr};
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, PAUSE_PATH, &actions, nullptr, arguments, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

TEST(Pause, WaitsOnATerminalUntilEnter)
{
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(grantpt(terminal), 0);
    ASSERT_EQ(unlockpt(terminal), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, ptsname(terminal), O_RDWR, 0);
    posix_spawn_file_actions_adddup2(&actions, 0, 1);
    const pid_t pid = StartPause(actions);

    std::string screen;
    ASSERT_TRUE(ReadUntil(terminal, screen, "Press Enter to continue . . .")) << screen;
    usleep(200000);
    int status = 0;
    EXPECT_EQ(waitpid(pid, &status, WNOHANG), 0) << "PAUSE must wait for Enter";

    ASSERT_EQ(write(terminal, "\n", 1), 1);
    EXPECT_EQ(WaitForExit(pid), 0);
    close(terminal);
}

TEST(Pause, ReturnsAtOnceWhenInputIsNoTerminal)
{
    int input[2], output[2];
    ASSERT_EQ(pipe(input), 0);
    ASSERT_EQ(pipe(output), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], 1);
    for (int fd : {input[0], input[1], output[0], output[1]}) posix_spawn_file_actions_addclose(&actions, fd);
    const pid_t pid = StartPause(actions);
    close(input[0]);
    close(output[1]);

    EXPECT_EQ(WaitForExit(pid), 0) << "an open pipe with nothing in it must not hold PAUSE";
    EXPECT_EQ(ReadToEnd(output[0]), "");
    close(input[1]);
    close(output[0]);
}

}  // namespace
