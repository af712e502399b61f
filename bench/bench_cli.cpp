// Start-up cost of kvr210c-cli: "--version" and "show FILE" on a configuration
// with every key, layer and link filled, each run N times. Wall-clock and
// processor time, peak resident memory, and the shared libraries it loads.
//   kvr210c-bench-cli [--runs N] [--cli PATH] [--compare PATH] [--file FILE]
//   kvr210c-bench-cli --write-full FILE
// --compare runs a second build alternately with the first and prints ratios
// (second / first); --file times show on a given file instead of a generated one;
// --write-full only writes the full configuration, to keep it for later runs.
#include "appdata.h"
#include "commandtext.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <signal.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

// Every key, layer and link with a full-length command, a long name and
// settings other than the defaults, so show has the most to print.
bool writeFullConfig(const QString& path)
{
    ProgramRecords data;
    data.newData(6, 5);
    for (int x = 1; x <= 6; ++x) {
        for (int y = 1; y <= 5; ++y) {
            LinkData* record = data.getDataObject(x, y);
            QByteArray bytes(CommandText::MaxFieldBytes, '\0');
            for (int i = 0; i < bytes.size(); ++i) {
                bytes[i] = char(x * 40 + y * 7 + i);
            }
            record->setCommand(CommandText::bytesToHex(bytes));
            record->setLinkName(QStringLiteral("Link %1.%2 with a long descriptive name").arg(x).arg(y));
            record->setDelayTime((x * 10 + y) % 256);
            const UartData uart{BaudRate(y % 8), Parity(x % 5), DataBits(y % 4), StopBits(x % 2)};
            record->setUartData(&uart);
        }
        ButtonData* key = data.getButtonData(x);
        key->setButtonName(QStringLiteral("Key %1 with a long descriptive name").arg(x));
        key->setSecondLayerEnable(true);
        QByteArray second(CommandText::MaxFieldBytes, '\0');
        for (int i = 0; i < second.size(); ++i) {
            second[i] = char(0xff - x * 3 - i);
        }
        key->setSecondLayerCommand(CommandText::bytesToHex(second));
        key->setSecondLayerDelayTime(200 + x);
        const UartData uart{BaudRate115200, ParityEven, DataBits7, StopBits2};
        key->setSecondLayerUartData(&uart);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && data.saveConfigFile(&file) && file.flush();
}

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

double cpuMs(const rusage& usage)
{
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

struct Run {
    bool ok = false;
    double wallMs = 0;
    double cpuMs = 0;
    double rssMb = 0;
};

std::vector<char*> argvOf(const std::string& program, std::vector<std::string>& args)
{
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    return argv;
}

// One run with standard output going to outPath (the timed runs use /dev/null,
// so a terminal or a pipe does not take part). Fails unless it exits with 0.
// fork, not posix_spawn: a child that shares our memory until exec starts its
// peak resident set at ours, while a forked one starts at the few pages it copied.
Run runOnce(const std::string& program, std::vector<std::string> args, const char* outPath = "/dev/null")
{
    Run run;
    const int out = open(outPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (out < 0) {
        std::fprintf(stderr, "bench-cli: %s: %s\n", outPath, std::strerror(errno));
        return run;
    }
    std::vector<char*> argv = argvOf(program, args);
    const double started = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out, STDOUT_FILENO);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out);
    if (pid < 0) {
        std::fprintf(stderr, "bench-cli: cannot start %s: %s\n", program.c_str(), std::strerror(errno));
        return run;
    }
    int status = 0;
    rusage usage{};
    pid_t waited;
    do {
        waited = wait4(pid, &status, 0, &usage);
    } while (waited < 0 && errno == EINTR);
    run.wallMs = nowMs() - started;
    run.cpuMs = cpuMs(usage);
    run.rssMb = double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    run.ok = waited == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!run.ok) {
        std::fprintf(stderr, "bench-cli: %s %s did not exit with 0\n", program.c_str(),
                     args.empty() ? "" : args.front().c_str());
    }
    return run;
}

// Shared libraries the dynamic linker resolves for the binary: lines of ldd
// output with a path (the vDSO has none).
int lddCount(const std::string& program)
{
    const std::string command = "ldd '" + program + "' 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return -1;
    }
    int count = 0;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe)) {
        if (std::strstr(line, "not found")) {
            std::fprintf(stderr, "bench-cli: ldd: %s", line);
        } else if (std::strchr(line, '/')) {
            ++count;
        }
    }
    return pclose(pipe) == 0 ? count : -1;
}

// Shared objects mapped when the program exits, counting those it opened at
// run time (plugins): it runs traced and its maps are read at the exit stop.
// -1 where tracing is not allowed.
int mappedAtExit(const std::string& program, std::vector<std::string> args)
{
    std::vector<char*> argv = argvOf(program, args);
    const pid_t pid = fork();
    if (pid < 0) {
        return -1;
    }
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0) {
            _exit(126);
        }
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    // The first stop is at exec.
    if (waitpid(pid, &status, 0) != pid || !WIFSTOPPED(status)) {
        return -1;
    }
    ptrace(PTRACE_SETOPTIONS, pid, nullptr, reinterpret_cast<void*>(PTRACE_O_TRACEEXIT));
    ptrace(PTRACE_CONT, pid, nullptr, nullptr);
    int count = -1;
    while (waitpid(pid, &status, 0) == pid && WIFSTOPPED(status)) {
        if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
            std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
            std::set<std::string> objects;
            std::string line;
            while (std::getline(maps, line)) {
                const size_t slash = line.find('/');
                if (slash == std::string::npos) {
                    continue;
                }
                const std::string path = line.substr(slash);
                const size_t so = path.find(".so");
                if (so != std::string::npos && (so + 3 == path.size() || path[so + 3] == '.')) {
                    objects.insert(path);
                }
            }
            count = int(objects.size());
            ptrace(PTRACE_CONT, pid, nullptr, nullptr);
            continue;
        }
        // Signals of its own go on to it.
        const int signal = WSTOPSIG(status) == SIGTRAP ? 0 : WSTOPSIG(status);
        ptrace(PTRACE_CONT, pid, nullptr, reinterpret_cast<void*>(intptr_t(signal)));
    }
    return count;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double sum(const std::vector<double>& values)
{
    double total = 0;
    for (double v : values) {
        total += v;
    }
    return total;
}

struct Series {
    std::vector<double> wall, cpu, rss;
    int ldd = -1;
    int mapped = -1;

    void add(const Run& run)
    {
        wall.push_back(run.wallMs);
        cpu.push_back(run.cpuMs);
        rss.push_back(run.rssMb);
    }
};

struct Row {
    double wallMedian, wallTotal, cpuMedian, cpuTotal, rssMedian;
};

Row rowOf(const Series& s)
{
    return {median(s.wall), sum(s.wall), median(s.cpu), sum(s.cpu), median(s.rss)};
}

std::string libs(int n)
{
    return n < 0 ? std::string("-") : std::to_string(n);
}

void printHeader()
{
    std::printf("%-16s %11s %10s %10s %10s %10s %6s %7s\n", "", "wall med", "wall sum", "cpu med", "cpu sum", "RSS med",
                "ldd", "mapped");
}

void printRow(const char* label, const Series& s)
{
    const Row r = rowOf(s);
    std::printf("%-16s %8.2f ms %7.0f ms %7.2f ms %7.0f ms %7.1f MB %6s %7s\n", label, r.wallMedian, r.wallTotal,
                r.cpuMedian, r.cpuTotal, r.rssMedian, libs(s.ldd).c_str(), libs(s.mapped).c_str());
}

void printRatio(const char* label, const Series& a, const Series& b)
{
    const Row x = rowOf(a), y = rowOf(b);
    auto difference = [](int p, int q) { return p < 0 || q < 0 ? std::string("-") : std::to_string(p - q); };
    std::printf("%-16s %11.2f %10.2f %10.2f %10.2f %10.2f %6s %7s\n", label, y.wallMedian / x.wallMedian,
                y.wallTotal / x.wallTotal, y.cpuMedian / x.cpuMedian, y.cpuTotal / x.cpuTotal,
                y.rssMedian / x.rssMedian, difference(b.ldd, a.ldd).c_str(), difference(b.mapped, a.mapped).c_str());
}

void printLoad(const char* when)
{
    double load[3] = {-1, -1, -1};
    getloadavg(load, 3);
    std::printf("load average %s: %.2f %.2f %.2f\n", when, load[0], load[1], load[2]);
}

int usage()
{
    std::fprintf(stderr,
                 "usage: kvr210c-bench-cli [--runs N] [--cli PATH] [--compare PATH] [--file FILE]\n"
                 "       kvr210c-bench-cli --write-full FILE\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    int runs = 50;
    std::string cli = KVR_CLI_PATH;
    std::string other;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) {
            return usage();
        }
        const std::string value = argv[++i];
        if (arg == "--runs") {
            runs = std::atoi(value.c_str());
            if (runs < 1 || runs > 100000) {
                return usage();
            }
        } else if (arg == "--cli") {
            cli = value;
        } else if (arg == "--compare") {
            other = value;
        } else if (arg == "--file") {
            file = value;
        } else if (arg == "--write-full") {
            if (!writeFullConfig(QString::fromStdString(value))) {
                std::fprintf(stderr, "bench-cli: cannot write %s\n", value.c_str());
                return 1;
            }
            return 0;
        } else {
            return usage();
        }
    }

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "bench-cli: no temporary folder\n");
        return 1;
    }
    if (file.empty()) {
        file = dir.filePath(QStringLiteral("full.app")).toStdString();
        if (!writeFullConfig(QString::fromStdString(file))) {
            std::fprintf(stderr, "bench-cli: cannot write the configuration\n");
            return 1;
        }
    }

    std::vector<std::string> programs{cli};
    if (!other.empty()) {
        programs.push_back(other);
    }
    const std::vector<std::vector<std::string>> commands{{"--version"}, {"show", file}};
    const char* labels[] = {"--version", "show FILE"};

    // An uncounted run of each brings the libraries into the page cache; the
    // size of what show prints tells two builds apart that read the file differently.
    const std::string shown = dir.filePath(QStringLiteral("shown.txt")).toStdString();
    std::vector<long long> shownBytes;
    for (const std::string& program : programs) {
        if (!runOnce(program, commands[0]).ok || !runOnce(program, commands[1], shown.c_str()).ok) {
            return 1;
        }
        struct stat st = {};
        if (stat(shown.c_str(), &st) != 0 || st.st_size == 0) {
            std::fprintf(stderr, "bench-cli: %s show printed nothing\n", program.c_str());
            return 1;
        }
        shownBytes.push_back(static_cast<long long>(st.st_size));
    }
    if (shownBytes.size() > 1 && shownBytes[0] != shownBytes[1]) {
        std::fprintf(stderr, "bench-cli: warning: show prints %lld bytes with A, %lld with B\n", shownBytes[0],
                     shownBytes[1]);
    }

    struct stat st = {};
    stat(file.c_str(), &st);
    std::printf("kvr210c-cli start-up, %d runs of each%s\n", runs, programs.size() > 1 ? ", alternating" : "");
    std::printf("A: %s\n", cli.c_str());
    if (programs.size() > 1) {
        std::printf("B: %s\n", other.c_str());
    }
    std::printf("FILE: %s (%lld bytes; show prints %lld bytes)\n", file.c_str(), static_cast<long long>(st.st_size),
                shownBytes[0]);
    // What a forked child shows as its peak before it has done anything: the
    // pages it copied from us. A program that small cannot be measured here.
    const Run floor = runOnce("/bin/true", {});
    if (floor.ok) {
        std::printf("RSS floor: %.1f MB (/bin/true run the same way)\n", floor.rssMb);
    }
    printLoad("before");

    // series[program][command]
    std::vector<std::vector<Series>> series(programs.size(), std::vector<Series>(commands.size()));
    for (int i = 0; i < runs; ++i) {
        for (size_t c = 0; c < commands.size(); ++c) {
            for (size_t p = 0; p < programs.size(); ++p) {
                const Run run = runOnce(programs[p], commands[c]);
                if (!run.ok) {
                    return 1;
                }
                series[p][c].add(run);
            }
        }
    }
    for (size_t p = 0; p < programs.size(); ++p) {
        const int ldd = lddCount(programs[p]);
        for (size_t c = 0; c < commands.size(); ++c) {
            series[p][c].ldd = ldd;
            series[p][c].mapped = mappedAtExit(programs[p], commands[c]);
        }
    }
    printLoad("after ");
    std::printf("\n");

    printHeader();
    for (size_t c = 0; c < commands.size(); ++c) {
        for (size_t p = 0; p < programs.size(); ++p) {
            const std::string label = std::string(programs.size() > 1 ? (p ? "B " : "A ") : "") + labels[c];
            printRow(label.c_str(), series[p][c]);
        }
        if (programs.size() > 1) {
            printRatio((std::string("B/A ") + labels[c]).c_str(), series[0][c], series[1][c]);
        }
    }
    std::printf("\nwall and cpu (user + system) per run and summed; RSS: peak resident set;\n"
                "ldd: shared libraries of the binary; mapped: shared objects mapped at exit\n");
    if (programs.size() > 1) {
        std::printf("B/A: ratios, and for the libraries the difference in count\n");
    }
    return 0;
}
