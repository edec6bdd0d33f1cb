// Times one whole run of a program: from spawning it to its exit, with its
// output to /dev/null, in milliseconds. process.sh calls it so that the
// shell's own cost of starting a command stays out of the figures.
//
//   zep_spawn PROGRAM [ARGUMENTS...]
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <ctime>
#include <fcntl.h>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid;
    if (posix_spawnp(&pid, argv[1], &actions, nullptr, argv + 1, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    clock_gettime(CLOCK_MONOTONIC, &end);
    double ms = static_cast<double>(end.tv_sec - start.tv_sec) * 1e3 +
                static_cast<double>(end.tv_nsec - start.tv_nsec) / 1e6;
    std::printf("%.4f\n", ms);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
