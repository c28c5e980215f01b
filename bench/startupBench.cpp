// Times the program's start-up against the toolkit's floor. Runs
// bench_startup_probe in turn as "window" (the real window with its start-up),
// "bare" (an empty QWidget of the same size, same application set-up) and
// "label" (the same with one QLabel), measuring each process from spawn to
// exit (which it does right after its first frame), its processor time and
// its peak resident memory; first on the offscreen platform, then on xcb
// under a private Xvfb. On Xvfb it also measures, from outside as a window
// manager sees it, the time from spawn to the X server's map of the window
// (the window appears; its first frame follows), and the peak memory by then.
//
//   bench_startup [--runs N] [--warmup N] [--platform offscreen|xcb|both] [--probe PATH]
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

extern char **environ;

namespace {

struct Sample {
  double milliseconds;    // wall time, spawn to exit
  double cpuMilliseconds; // user + system time of the child
  double peakMiB;         // peak resident memory of the child
};

struct Summary {
  double median, q1, q3, min, max;
};

double quantile(std::vector<double> values, double q) {
  std::sort(values.begin(), values.end());
  const double position = q * double(values.size() - 1);
  const auto below = std::size_t(position);
  const std::size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (position - double(below)) * (values[above] - values[below]);
}

Summary summarize(const std::vector<double> &values) {
  return {quantile(values, 0.5), quantile(values, 0.25), quantile(values, 0.75),
          *std::min_element(values.begin(), values.end()),
          *std::max_element(values.begin(), values.end())};
}

double now() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The environment of this process with some variables replaced.
class Environment {
public:
  Environment(const std::vector<std::pair<std::string, std::string>> &replaced) {
    for (char **e = environ; *e; ++e) {
      const std::string entry = *e;
      const bool keep = std::none_of(replaced.begin(), replaced.end(), [&](const auto &r) {
        return entry.compare(0, r.first.size() + 1, r.first + '=') == 0;
      });
      if (keep)
        m_entries.push_back(entry);
    }
    for (const auto &[name, value] : replaced)
      m_entries.push_back(name + '=' + value);
    for (std::string &entry : m_entries)
      m_pointers.push_back(entry.data());
    m_pointers.push_back(nullptr);
  }
  char **get() { return m_pointers.data(); }

private:
  std::vector<std::string> m_entries;
  std::vector<char *> m_pointers;
};

// A start-up's sample: its wall time and, as the kernel accounts the child,
// its processor time and peak resident memory.
Sample sampleOf(double elapsed, const rusage &usage) {
  const auto ms = [](const timeval &t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
  return Sample{elapsed, ms(usage.ru_utime) + ms(usage.ru_stime), double(usage.ru_maxrss) / 1024.0};
}

// Spawns program with its standard output and error on /dev/null.
pid_t spawn(const std::string &program, std::vector<std::string> arguments, char **envp,
            const std::vector<int> &closeInChild = {}) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  for (int fd : closeInChild)
    posix_spawn_file_actions_addclose(&actions, fd);
  arguments.insert(arguments.begin(), program);
  std::vector<char *> argv;
  for (std::string &a : arguments)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), envp);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    std::fprintf(stderr, "cannot start %s: %s\n", program.c_str(), std::strerror(error));
    return -1;
  }
  return pid;
}

// One start-up of the probe: wall time from spawn to exit and the peak
// resident memory of the child, as the kernel accounts it.
std::optional<Sample> runProbe(const std::string &probe, const char *mode, char **envp) {
  const double start = now();
  const pid_t pid = spawn(probe, {mode}, envp);
  if (pid < 0)
    return std::nullopt;
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0)
    if (errno != EINTR)
      return std::nullopt;
  const double elapsed = now() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s %s failed (status %d); run it by hand to see why\n", probe.c_str(),
                 mode, status);
    return std::nullopt;
  }
  return sampleOf(elapsed, usage);
}

// Watches an X server for the map of a top-level window, as a window
// manager does: every child of the root window is reported to it.
class MapWatcher {
public:
  explicit MapWatcher(const std::string &display)
      : m_connection(xcb_connect(display.c_str(), nullptr)) {
    if (xcb_connection_has_error(m_connection))
      return;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, screen->root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(m_connection);
    m_ready = true;
  }
  ~MapWatcher() { xcb_disconnect(m_connection); }
  bool ready() const { return m_ready; }

  // Waits for the next map of a window that is not a pop-up; false when the
  // connection broke.
  bool waitForMap() {
    while (xcb_generic_event_t *event = xcb_wait_for_event(m_connection)) {
      const bool map = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                       !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
      std::free(event);
      if (map)
        return true;
    }
    return false;
  }

private:
  xcb_connection_t *m_connection;
  bool m_ready = false;
};

// One start-up of the probe up to the map of its window: wall time from spawn
// to the map, and the peak resident memory of the child by then (it is
// stopped at once).
std::optional<Sample> runProbeToMap(const std::string &probe, const char *mode, char **envp,
                                    MapWatcher &watcher) {
  const double start = now();
  const pid_t pid = spawn(probe, {mode}, envp);
  if (pid < 0)
    return std::nullopt;
  const bool mapped = watcher.waitForMap();
  const double elapsed = now() - start;
  kill(pid, SIGKILL);
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0)
    if (errno != EINTR)
      return std::nullopt;
  if (!mapped) {
    std::fprintf(stderr, "%s %s: lost the X server before the map\n", probe.c_str(), mode);
    return std::nullopt;
  }
  return sampleOf(elapsed, usage);
}

// The private X server, for the signal handler: interrupted, the benchmark
// takes its server down with it.
volatile sig_atomic_t xServerPid = -1;

void stopXServerAndDie(int signal) {
  if (xServerPid > 0)
    kill(pid_t(xServerPid), SIGTERM);
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// A private X server on a free display, found with -displayfd.
class PrivateXServer {
public:
  bool start() {
    int fds[2];
    if (pipe(fds) != 0)
      return false;
    Environment env({});
    m_pid = spawn("Xvfb",
                  {"-displayfd", std::to_string(fds[1]), "-screen", "0", "1600x1200x24", "-dpi",
                   "96", "-nolisten", "tcp"},
                  env.get(), {fds[0]});
    close(fds[1]);
    xServerPid = m_pid;
    std::string number;
    char c = 0;
    while (m_pid > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
      number += c;
    close(fds[0]);
    if (number.empty()) {
      stop();
      return false;
    }
    m_display = ':' + number;
    return true;
  }
  void stop() {
    if (m_pid > 0) {
      kill(m_pid, SIGTERM);
      waitpid(m_pid, nullptr, 0);
      m_pid = -1;
      xServerPid = -1;
    }
  }
  ~PrivateXServer() { stop(); }
  const std::string &display() const { return m_display; }

private:
  pid_t m_pid = -1;
  std::string m_display;
};

using Measure = std::function<std::optional<Sample>(const char *mode, char **envp)>;

bool benchPlatform(const Measure &measure, const char *until, const std::string &platform,
                   const std::string &display, int runs, int warmup) {
  std::vector<std::pair<std::string, std::string>> replaced{{"QT_QPA_PLATFORM", platform}};
  if (!display.empty())
    replaced.emplace_back("DISPLAY", display);
  Environment env(replaced);

  // 0 the real window, 1 the bare floor, 2 the floor with one line of text.
  constexpr int Modes = 3;
  const char *const modes[Modes] = {"window", "bare", "label"};
  const char *const names[Modes] = {"window", "bare QWidget", "QWidget+QLabel"};

  for (int i = 0; i < warmup; ++i)
    for (const char *mode : modes)
      if (!measure(mode, env.get()))
        return false;

  // Interleaved, the order rotated every round, so that a slow spell of the
  // machine falls on every kind alike.
  std::vector<double> wall[Modes], cpu[Modes], memory[Modes];
  for (int i = 0; i < runs; ++i) {
    for (int k = 0; k < Modes; ++k) {
      const int which = (i + k) % Modes;
      const auto sample = measure(modes[which], env.get());
      if (!sample)
        return false;
      wall[which].push_back(sample->milliseconds);
      cpu[which].push_back(sample->cpuMilliseconds);
      memory[which].push_back(sample->peakMiB);
    }
  }

  Summary t[Modes], c[Modes], m[Modes];
  for (int w = 0; w < Modes; ++w) {
    t[w] = summarize(wall[w]);
    c[w] = summarize(cpu[w]);
    m[w] = summarize(memory[w]);
  }
  std::printf("start-up to %s, %s%s%s, %d runs of each, interleaved\n", until, platform.c_str(),
              display.empty() ? "" : " on Xvfb ", display.c_str(), runs);
  std::printf("  %-15s %-34s  %8s  %s\n", "", "wall ms: median [q1-q3] (min-max)", "cpu ms",
              "peak RSS MiB (min-max)");
  for (int w = 0; w < Modes; ++w)
    std::printf("  %-15s %6.1f [%5.1f-%5.1f] (%5.1f-%5.1f)  %8.1f  %6.1f (%.1f-%.1f)\n", names[w],
                t[w].median, t[w].q1, t[w].q3, t[w].min, t[w].max, c[w].median, m[w].median,
                m[w].min, m[w].max);
  // Against the floor of any window with text first: the one the program
  // is held to (at most 1.10x its start-up and 3 MiB more memory).
  const char *const floors[Modes] = {"", "empty window", "single-label floor"};
  for (int floor : {2, 1})
    std::printf("  window / %-18s wall %5.2fx   cpu %5.2fx   memory %+5.1f MiB\n", floors[floor],
                t[0].median / t[floor].median, c[0].median / c[floor].median,
                m[0].median - m[floor].median);
  std::printf("\n");
  return true;
}

std::string besideThisProgram(const char *argv0, const char *name) {
  std::string path = argv0;
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string(name) : path.substr(0, slash + 1) + name;
}

} // namespace

int main(int argc, char *argv[]) {
  int runs = 30, warmup = 3;
  std::string platform = "both";
  std::string probe = besideThisProgram(argv[0], "bench_startup_probe");
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--runs" && hasValue)
      runs = std::max(1, std::atoi(argv[++i]));
    else if (arg == "--warmup" && hasValue)
      warmup = std::max(0, std::atoi(argv[++i]));
    else if (arg == "--platform" && hasValue)
      platform = argv[++i];
    else if (arg == "--probe" && hasValue)
      probe = argv[++i];
    else
      platform.clear(); // not one the benchmark knows: print the usage
    if (platform != "offscreen" && platform != "xcb" && platform != "both") {
      std::fprintf(stderr,
                   "usage: %s [--runs N] [--warmup N] [--platform offscreen|xcb|both] "
                   "[--probe PATH]\n",
                   argv[0]);
      return 2;
    }
  }

  for (int signal : {SIGINT, SIGTERM, SIGHUP})
    std::signal(signal, stopXServerAndDie);

  const Measure toFirstFrame = [&](const char *mode, char **envp) {
    return runProbe(probe, mode, envp);
  };
  bool ok = true;
  if (platform == "offscreen" || platform == "both")
    ok = benchPlatform(toFirstFrame, "first frame", "offscreen", "", runs, warmup) && ok;
  if (platform == "xcb" || platform == "both") {
    PrivateXServer x;
    if (!x.start()) {
      std::fprintf(stderr, "cannot start Xvfb (Debian package xvfb); xcb not measured\n");
      return 1;
    }
    ok = benchPlatform(toFirstFrame, "first frame", "xcb", x.display(), runs, warmup) && ok;
    MapWatcher watcher(x.display());
    if (!watcher.ready()) {
      std::fprintf(stderr, "cannot connect to Xvfb on %s\n", x.display().c_str());
      return 1;
    }
    const Measure toMap = [&](const char *mode, char **envp) {
      return runProbeToMap(probe, mode, envp, watcher);
    };
    ok = benchPlatform(toMap, "the map of the window", "xcb", x.display(), runs, warmup) && ok;
  }
  return ok ? 0 : 1;
}
