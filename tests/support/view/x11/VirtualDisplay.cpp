// Gives the frame tests a private Xvfb, started for the test program and
// stopped after it: synthetic input moves the display's pointer and keyboard
// focus, which must not be a desktop in use or a display other tests share.
// TOLVO_TEST_SCREEN (WIDTHxHEIGHTxDEPTH) asks for a screen other than the
// usual 1024x768x24, for tests of the editor drawn larger.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <cstdlib>
#include <fcntl.h>
#include <signal.h>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tolvo {

namespace {

constexpr char kDefaultScreen[] = "1024x768x24";

bool displayAnswers()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}

class VirtualDisplay : public ::testing::Environment {
public:
    void SetUp() override
    {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const char* wanted = std::getenv("TOLVO_TEST_SCREEN");
        const std::string screen = wanted && *wanted ? wanted : kDefaultScreen;
        server = fork();
        ASSERT_GE(server, 0);
        if (server == 0) {
            // The server goes with the test program, even when that crashes,
            // and keeps none of its output streams open.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            dup2(devNull, STDERR_FILENO);
            close(fds[0]);
            std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // Xvfb writes the number and the line end separately and dies when the
        // pipe is closed in between, so the whole line is read first.
        std::string number;
        char byte = 0;
        while (read(fds[0], &byte, 1) == 1 && byte != '\n')
            number += byte;
        close(fds[0]);
        ASSERT_FALSE(number.empty()) << "Xvfb did not start";
        std::string display = ":" + number;
        setenv("DISPLAY", display.c_str(), 1);
        ASSERT_TRUE(displayAnswers()) << "no X display at " << display;
    }

    void TearDown() override
    {
        if (server <= 0)
            return;
        kill(server, SIGTERM);
        waitpid(server, nullptr, 0);
    }

private:
    pid_t server = 0;
};

const ::testing::Environment* const environment =
    ::testing::AddGlobalTestEnvironment(new VirtualDisplay);

} // namespace

} // namespace tolvo
