// Times one whole run of a program: from spawning it to its exit, with its
// output to /dev/null, in milliseconds. process.sh and process_compare.sh
// call it so that the shell's own cost of starting a command stays out of
// the figures. With --faults it also prints the run's minor page faults
// (which, beside starting, are most of what a short run costs) and its
// processor time (user and system) in milliseconds, which other work on a
// busy machine stretches less than the wall clock.
//
//   zep_spawn [--faults] PROGRAM [ARGUMENTS...]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>

extern char** environ;

int main(int argc, char** argv) {
    bool faults = argc > 1 && std::strcmp(argv[1], "--faults") == 0;
    char** command = argv + 1 + faults;
    if (*command == nullptr) {
        std::fprintf(stderr, "usage: %s [--faults] PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid;
    if (posix_spawnp(&pid, command[0], &actions, nullptr, command, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", command[0]);
        return 1;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    clock_gettime(CLOCK_MONOTONIC, &end);
    double ms = static_cast<double>(end.tv_sec - start.tv_sec) * 1e3 +
                static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6;
    auto msOf = [](timeval t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    if (faults)
        std::printf("%.4f %ld %.4f\n", ms, usage.ru_minflt,
                    msOf(usage.ru_utime) + msOf(usage.ru_stime));
    else
        std::printf("%.4f\n", ms);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
