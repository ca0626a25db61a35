// Runs the built programs as processes, the way a terminal or a script drives them: the dialogue
// over open pipes, the pause at the end, and faults of the standard streams.
#include "process.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Program {
    const char* path;
    const char* casesDir;    // its end-to-end cases, whose transcripts the tests reuse
    const char* inputLine;   // a whole test pattern
    const char* lastLines;   // how its output ends for that pattern
};

const Program kPrograms[] = {
    {RECALL8_PATH, E2E_DIR "/recall8", "1 1 0 0 1 1 0 0\n", "RECALLED Vector:\n1 1 0 0 1 1 0 0 \n"},
    {RECALL16_PATH, E2E_DIR "/recall16", "1 1 1 0 0 0 1 1 1 0 0 0 1 1 1 0\n",
     "RECALLED Vector:\n1 1 1 0 0 0 1 1 1 0 0 0 1 1 1 0 \n"},
    {SIGNRECALL_PATH, E2E_DIR "/signrecall", "0 1 0 1 1 1 0 1 1\n", "Recalled Pattern:\n0 1 0 \n1 1 1 \n0 1 0 \n"},
};

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// A fresh folder holding an executable PAUSE with the given shell body.
std::string MakePauseFolder(const std::string& body)
{
    char folder[] = "/tmp/pause-XXXXXX";
    if (mkdtemp(folder) == nullptr) std::abort();
    const std::string path = std::string(folder) + "/PAUSE";
    std::ofstream(path) << "#!/bin/sh\n" << body << "\n";
    chmod(path.c_str(), 0755);
    return folder;
}

enum class Input { Pipe, NonBlockingPipe, Closed };
enum class Output { Pipe, PipeWithoutReader, DevFull, Closed };

struct Child {
    pid_t pid;
    int input;   // our end of its standard input, -1 when closed
    int output;  // our end of its standard output, -1 when not a pipe we read
    int error;   // our end of its standard error
};

// Starts the program with PAUSE taken from pauseFolder and SIGPIPE in its default disposition,
// so that the program must protect itself.
Child Start(const char* program, const std::string& pauseFolder, Output output, Input input = Input::Pipe)
{
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (input == Input::NonBlockingPipe) fcntl(in[0], F_SETFL, fcntl(in[0], F_GETFL) | O_NONBLOCK);
    if (input == Input::Closed) {
        posix_spawn_file_actions_addclose(&actions, 0);
    } else {
        posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    }
    switch (output) {
    case Output::Pipe:
    case Output::PipeWithoutReader: posix_spawn_file_actions_adddup2(&actions, out[1], 1); break;
    case Output::DevFull: posix_spawn_file_actions_addopen(&actions, 1, "/dev/full", O_WRONLY, 0); break;
    case Output::Closed: posix_spawn_file_actions_addclose(&actions, 1); break;
    }
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) posix_spawn_file_actions_addclose(&actions, fd);
    if (output == Output::PipeWithoutReader) {
        close(out[0]);  // the reader is gone before the first line is written
        out[0] = -1;
    }

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);

    std::vector<std::string> variables;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        if (std::string(*variable).rfind("PATH=", 0) != 0) variables.emplace_back(*variable);
    }
    const char* path = std::getenv("PATH");
    variables.push_back("PATH=" + pauseFolder + ":" + (path != nullptr ? path : "/usr/bin:/bin"));
    std::vector<char*> environment;
    for (std::string& variable : variables) environment.push_back(variable.data());
    environment.push_back(nullptr);

    char* arguments[] = {const_cast<char*>(program), nullptr};
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, program, &actions, &attributes, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) std::abort();

    close(in[0]);
    close(out[1]);
    close(err[1]);
    if (input == Input::Closed) {
        close(in[1]);
        in[1] = -1;
    }
    if (output != Output::Pipe && out[0] >= 0) {
        close(out[0]);
        out[0] = -1;
    }
    return Child{pid, in[1], out[0], err[0]};
}

int Finish(Child& child)
{
    for (int* fd : {&child.input, &child.output, &child.error}) {
        if (*fd >= 0) close(*fd);
        *fd = -1;
    }
    int status = 0;
    waitpid(child.pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

class Session : public ::testing::Test {
protected:
    void SetUp() override { quietPause = MakePauseFolder("exit 0"); }
    void TearDown() override { std::filesystem::remove_all(quietPause); }
    std::string quietPause;
};

void ExpectPromptFirstThenResultOnTheLine(const Program& program, const std::string& pauseFolder, Input input)
{
    const std::string transcript = ReadFile(std::string(program.casesDir) + "/worked_example.out");
    const std::string upToPrompt = transcript.substr(0, transcript.find("Enter Binary Test Pattern:\n") + 27);

    Child child = Start(program.path, pauseFolder, Output::Pipe, input);
    std::string output;
    ASSERT_TRUE(ReadUntil(child.output, output, "Enter Binary Test Pattern:\n")) << output;
    EXPECT_EQ(output, upToPrompt);

    // Standard input stays open: the result must come on the line that completes the pattern.
    ASSERT_EQ(write(child.input, program.inputLine, strlen(program.inputLine)),
              static_cast<ssize_t>(strlen(program.inputLine)));
    ASSERT_TRUE(ReadUntil(child.output, output, program.lastLines)) << output;
    EXPECT_EQ(output, transcript);

    close(child.input);
    child.input = -1;
    EXPECT_EQ(ReadToEnd(child.output), "");
    EXPECT_EQ(ReadToEnd(child.error), "");
    EXPECT_EQ(Finish(child), 0);
}

TEST_F(Session, PromptIsOutBeforeInputAndResultFollowsTheLine)
{
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.path);
        ExpectPromptFirstThenResultOnTheLine(program, quietPause, Input::Pipe);
    }
}

// A standard input left non-blocking by the caller has nothing yet when the program first reads:
// it must wait for the line rather than take that for the end of the input.
TEST_F(Session, NonBlockingInputIsWaitedFor)
{
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.path);
        ExpectPromptFirstThenResultOnTheLine(program, quietPause, Input::NonBlockingPipe);
    }
}

TEST_F(Session, PauseRunsOnceAfterTheLastLine)
{
    const std::string folder = MakePauseFolder("echo \"PAUSE ran with $# arguments\"; echo call >> \"$(dirname \"$0\")/calls\"");
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.path);
        std::remove((folder + "/calls").c_str());
        Child child = Start(program.path, folder, Output::Pipe);
        ASSERT_EQ(write(child.input, program.inputLine, strlen(program.inputLine)),
                  static_cast<ssize_t>(strlen(program.inputLine)));
        close(child.input);
        child.input = -1;
        const std::string transcript = ReadFile(std::string(program.casesDir) + "/worked_example.out");
        EXPECT_EQ(ReadToEnd(child.output), transcript + "PAUSE ran with 0 arguments\n");
        EXPECT_EQ(Finish(child), 0);
        EXPECT_EQ(ReadFile(folder + "/calls"), "call\n");
    }
    std::filesystem::remove_all(folder);
}

TEST_F(Session, OutputThatCannotBeWrittenStillEndsWithStatusZero)
{
    for (const Program& program : kPrograms) {
        for (Output output : {Output::PipeWithoutReader, Output::DevFull, Output::Closed}) {
            SCOPED_TRACE(std::string(program.path) + " output fault " + std::to_string(static_cast<int>(output)));
            Child child = Start(program.path, quietPause, output);
            ASSERT_EQ(write(child.input, program.inputLine, strlen(program.inputLine)),
                      static_cast<ssize_t>(strlen(program.inputLine)));
            close(child.input);
            child.input = -1;
            EXPECT_EQ(ReadToEnd(child.error), "");
            EXPECT_EQ(Finish(child), 0);
        }
    }
}

TEST_F(Session, ClosedInputReadsNothingAndSaysSo)
{
    for (const Program& program : kPrograms) {
        SCOPED_TRACE(program.path);
        Child child = Start(program.path, quietPause, Output::Pipe, Input::Closed);
        EXPECT_EQ(ReadToEnd(child.output), ReadFile(std::string(program.casesDir) + "/empty_input.out"));
        EXPECT_EQ(ReadToEnd(child.error), ReadFile(std::string(program.casesDir) + "/empty_input.err"));
        EXPECT_EQ(Finish(child), 0);
    }
}

}  // namespace
