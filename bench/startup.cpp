// Start-up benchmark: starts two X programs in turn, several times each,
// with first_paint preloaded, and reports for each the median time from
// exec to its first painted window and the median resident memory once
// started, then the ratios of the first program to the second.
//
//   bench_startup RUNS SHIM PROGRAM NAME FLOOR_PROGRAM FLOOR_NAME
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

struct Sample {
  double milliseconds = 0;
  double megabytes = 0;
};

long long nowNanoseconds() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

double residentMegabytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  }
  return 0;
}

bool runOnce(const std::string& program, const std::string& shim, Sample& out) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  fcntl(fds[0], F_SETFD, FD_CLOEXEC);

  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) {
    std::string s = *e;
    if (s.rfind("LD_PRELOAD=", 0) == 0 || s.rfind("TIVORUM_BENCH_PAINT_FD=", 0) == 0) continue;
    env.push_back(s);
  }
  env.push_back("LD_PRELOAD=" + shim);
  env.push_back("TIVORUM_BENCH_PAINT_FD=" + std::to_string(fds[1]));
  std::vector<char*> envp;
  for (std::string& s : env) envp.push_back(s.data());
  envp.push_back(nullptr);
  std::string name = program;
  char* argv[] = {name.data(), nullptr};

  const long long start = nowNanoseconds();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data());
  close(fds[1]);
  if (spawned != 0) {
    close(fds[0]);
    std::fprintf(stderr, "cannot start %s\n", program.c_str());
    return false;
  }

  bool ok = false;
  pollfd p{fds[0], POLLIN, 0};
  if (poll(&p, 1, 30000) == 1) {
    char buffer[64] = {};
    const ssize_t n = read(fds[0], buffer, sizeof buffer - 1);
    if (n > 0) {
      const long long painted = std::atoll(buffer);
      out.milliseconds = (painted - start) / 1e6;
      // Let the event loop settle after the first paint, then weigh it.
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      out.megabytes = residentMegabytes(pid);
      ok = true;
    }
  }
  if (!ok) std::fprintf(stderr, "%s painted nothing within 30 s\n", program.c_str());
  close(fds[0]);
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return ok;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: %s RUNS SHIM PROGRAM NAME FLOOR_PROGRAM FLOOR_NAME\n", argv[0]);
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  const std::string shim = argv[2];
  const std::string programs[2] = {argv[3], argv[5]};
  const std::string names[2] = {argv[4], argv[6]};

  // One start of each first, so both find the fonts and libraries cached.
  Sample warm;
  for (const std::string& program : programs) {
    if (!runOnce(program, shim, warm)) return 1;
  }
  std::vector<double> ms[2], mb[2];
  for (int i = 0; i < runs; ++i) {
    // Alternate which starts first, so neither always follows the other.
    for (int k = 0; k < 2; ++k) {
      const int which = (i % 2 == 0) ? k : 1 - k;
      Sample s;
      if (!runOnce(programs[which], shim, s)) return 1;
      ms[which].push_back(s.milliseconds);
      mb[which].push_back(s.megabytes);
    }
  }

  const double startA = median(ms[0]), startB = median(ms[1]);
  const double memA = median(mb[0]), memB = median(mb[1]);
  const double startRatio = startA / startB, memRatio = memA / memB;
  const bool startOk = startRatio <= 1.5, memOk = memRatio <= 1.6;
  std::printf(
      "start-up to first paint (median of %d): %s %.1f ms, %s %.1f ms: ratio %.2f "
      "(target <= 1.5) %s\n",
      runs, names[0].c_str(), startA, names[1].c_str(), startB, startRatio,
      startOk ? "ok" : "MISSED");
  std::printf(
      "resident memory after start-up (median of %d): %s %.1f MB, %s %.1f MB: ratio %.2f "
      "(target <= 1.6) %s\n",
      runs, names[0].c_str(), memA, names[1].c_str(), memB, memRatio, memOk ? "ok" : "MISSED");
  return startOk && memOk ? 0 : 1;
}
