// SPDX-License-Identifier: LicenseRef-proprietary
// The SVG and DXF of the command line: the peak memory of `railpin --dxf` and
// `--svg` at the work budget (200,000 railpins) against the file written, and
// their cost against bench_write_bytes writing the same bytes: time at the
// budget, and instructions (callgrind, when valgrind is installed) for a
// large job of 20 long sections, as they are stable from run to run; and
// that count above what starting the program costs, per byte written.
//
// usage: bench_drawing_files RAILPIN BENCH_WRITE_BYTES
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Run
{
    bool ok = false;
    double seconds = 0;
    double peakMiB = 0;
};

// `folder`/`name``suffix`.
std::string inFolder(const std::string &folder, const char *name, const std::string &suffix)
{
    std::string path = folder;
    path += '/';
    path += name;
    path += suffix;
    return path;
}

// Runs the program with its standard error to `errorFile` (or /dev/null) and
// gives its time and peak resident memory.
Run run(std::vector<std::string> arguments, const std::string &errorFile = "/dev/null")
{
    std::vector<char *> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    Run result;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return result;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return result;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.peakMiB = double(usage.ru_maxrss) / 1024;
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

// Instructions counted by callgrind, or 0 when it could not count them.
double instructions(std::vector<std::string> arguments, const std::string &folder)
{
    const std::string log = folder + "/callgrind.log";
    arguments.insert(arguments.begin(), {"valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"});
    if (!run(arguments, log).ok)
        return 0;
    std::ifstream in(log);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t at = text.find("Collected : ");
    return at == std::string::npos ? 0 : std::strtod(text.c_str() + at + 12, nullptr);
}

double megabytes(const std::string &path)
{
    struct stat status
    {
    };
    return stat(path.c_str(), &status) == 0 ? double(status.st_size) / 1e6 : 0;
}

// Sections of `count` railpins each (0: laid out by the maximum gap).
void writeJob(const std::string &path, int sections, const std::string &length, int count)
{
    std::ofstream out(path);
    out << R"({"format": "railpin-job", "version": 1, "railpinWidth": "1 3/8", "maximumGap": "4", "sections": [)";
    for (int index = 0; index < sections; ++index) {
        out << (index == 0 ? "" : ", ") << R"({"name": "Section )" << index + 1 << R"(", "length": ")" << length << '"';
        if (count > 0)
            out << R"(, "count": )" << count;
        out << '}';
    }
    out << "]}\n";
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_drawing_files RAILPIN BENCH_WRITE_BYTES\n");
        return 2;
    }
    const std::string railpin = argv[1];
    const std::string writeBytes = argv[2];
    char folderName[] = "/tmp/railpin-bench-XXXXXX";
    if (mkdtemp(folderName) == nullptr) {
        std::perror("bench_drawing_files: mkdtemp");
        return 1;
    }
    const std::string folder = folderName;
    const std::string budget = folder + "/budget.railpin";
    const std::string large = folder + "/large.railpin";
    writeJob(budget, 20, "120000", 10'000);  // 200,000 railpins, the work budget
    writeJob(large, 20, "4000", 0);          // about 15,000 railpins at a 4 in gap
    const bool valgrind = std::system("command -v valgrind >/dev/null 2>&1") == 0;
    // What starting the program costs alone: one section's marks on standard output.
    const double start =
        valgrind ? instructions({railpin, "--marks", "--length", "36", "--width", "1 3/8", "--max-gap", "4"}, folder)
                 : 0;

    int status = 0;
    for (const std::string format : {"dxf", "svg"}) {
        const std::string written = inFolder(folder, "budget.", format);
        const std::string copy = inFolder(folder, "copy.", format);
        const Run made = run({railpin, "--" + format, written, budget});
        const Run bare = run({writeBytes, written, copy});
        const double size = megabytes(written);
        if (!made.ok || !bare.ok || size <= 0) {
            std::printf("railpin --%s at the budget failed\n", format.c_str());
            status = 1;
            continue;
        }
        std::printf("railpin --%s, 200,000 railpins: %.2f s, %.2fx bench_write_bytes (%.2f s); peak memory %.0f MiB "
                    "for a %.1f MB file = %.2fx the file (goal <= 1.5x)\n",
                    format.c_str(), made.seconds, made.seconds / bare.seconds, bare.seconds, made.peakMiB, size,
                    made.peakMiB * 1024 * 1024 / (size * 1e6));
        if (!valgrind)
            continue;
        const std::string largeWritten = inFolder(folder, "large.", format);
        const double ours = instructions({railpin, "--" + format, largeWritten, large}, folder);
        const double floor = instructions({writeBytes, largeWritten, copy}, folder);
        if (ours > 0 && floor > 0)
            std::printf("railpin --%s, 20 sections of 4000 in (%.1f MB): %.0f M instructions, %.2fx bench_write_bytes "
                        "(%.1f M) (goal <= 6x)\n",
                        format.c_str(), megabytes(largeWritten), ours / 1e6, ours / floor, floor / 1e6);
        if (ours > 0 && start > 0)
            std::printf("railpin --%s, the same: %.1f M instructions above a railpin --marks start-up (%.1f M) = %.1f "
                        "instructions per byte written\n",
                        format.c_str(), (ours - start) / 1e6, start / 1e6,
                        (ours - start) / (megabytes(largeWritten) * 1e6));
    }
    if (!valgrind)
        std::printf("Instructions of the drawing exports skipped: valgrind is not installed\n");
    for (const char *name : {"budget.railpin", "large.railpin", "budget.dxf", "budget.svg", "large.dxf", "large.svg",
                             "copy.dxf", "copy.svg", "callgrind.log"})
        std::remove((folder + "/" + name).c_str());
    rmdir(folder.c_str());
    return status;
}
