// SPDX-License-Identifier: LicenseRef-proprietary
// Start-up: launches the program again and again, offscreen or on the X
// display in DISPLAY (xcb), and measures, from just before the process is
// created, the time until it reports its first frame, and the peak resident
// memory of the whole process.
//
// usage: bench_startup PROGRAM [RUNS] [offscreen|xcb]
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kGiveUpMilliseconds = 20'000;

struct Launch
{
    double firstFrameMilliseconds = 0;
    double peakResidentMiB = 0;
};

std::vector<std::string> benchEnvironment(const std::string &platform)
{
    std::vector<std::string> variables;
    for (char **variable = environ; *variable != nullptr; ++variable) {
        const std::string text = *variable;
        if (text.rfind("QT_QPA_PLATFORM=", 0) != 0 && text.rfind("RAILPIN_BENCH_FIRST_FRAME=", 0) != 0)
            variables.push_back(text);
    }
    variables.push_back("QT_QPA_PLATFORM=" + platform);
    variables.emplace_back("RAILPIN_BENCH_FIRST_FRAME=1");
    return variables;
}

// Reads the child's output until its first line; false on end or time-out.
bool awaitFirstLine(int fd, std::string &line)
{
    pollfd readable{fd, POLLIN, 0};
    char buffer[256];
    while (line.find('\n') == std::string::npos) {
        if (poll(&readable, 1, kGiveUpMilliseconds) <= 0)
            return false;
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count <= 0)
            return false;
        line.append(buffer, std::size_t(count));
    }
    return true;
}

std::optional<Launch> launch(const char *program, const std::string &platform)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);

    std::vector<std::string> variables = benchEnvironment(platform);
    std::vector<char *> envp;
    envp.reserve(variables.size() + 1);
    for (std::string &variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    std::string programText = program;
    char *argv[] = {programText.data(), nullptr};

    pid_t child = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&child, program, &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        std::fprintf(stderr, "cannot start %s: %s\n", program, std::strerror(spawned));
        return std::nullopt;
    }

    std::string line;
    const bool reported = awaitFirstLine(pipeEnds[0], line);
    const auto firstFrame = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    if (!reported)
        kill(child, SIGKILL);

    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    if (!reported || line.rfind("first frame", 0) != 0) {
        std::fprintf(stderr, "%s did not report its first frame\n", program);
        return std::nullopt;
    }
    return Launch{std::chrono::duration<double, std::milli>(firstFrame - start).count(),
                  double(usage.ru_maxrss) / 1024.0};  // ru_maxrss is in KiB
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char *argv[])
{
    const std::string platform = argc == 4 ? argv[3] : "offscreen";
    if (argc < 2 || argc > 4 || (platform != "offscreen" && platform != "xcb")) {
        std::fprintf(stderr, "usage: %s PROGRAM [RUNS] [offscreen|xcb]\n", argv[0]);
        return 2;
    }
    const char *program = argv[1];
    const int runs = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 20;

    if (!launch(program, platform))  // warms the file cache; not counted
        return 1;
    std::vector<double> times;
    std::vector<double> memory;
    for (int run = 0; run < runs; ++run) {
        const std::optional<Launch> result = launch(program, platform);
        if (!result)
            return 1;
        times.push_back(result->firstFrameMilliseconds);
        memory.push_back(result->peakResidentMiB);
    }

    std::printf("Start-up of %s, %s, %d runs after one warm-up\n\n", program,
                platform == "xcb" ? "under the X display in DISPLAY" : "offscreen", runs);
    std::printf("| %-38s | %8s | %8s | %8s |\n", "measure", "median", "min", "max");
    std::printf("|%s|%s|%s|%s|\n", std::string(40, '-').c_str(), std::string(10, '-').c_str(),
                std::string(10, '-').c_str(), std::string(10, '-').c_str());
    std::printf("| %-38s | %8.1f | %8.1f | %8.1f |\n", "process start to first frame (ms)", median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()));
    std::printf("| %-38s | %8.1f | %8.1f | %8.1f |\n", "peak resident memory (MiB)", median(memory),
                *std::min_element(memory.begin(), memory.end()), *std::max_element(memory.begin(), memory.end()));
    return 0;
}
