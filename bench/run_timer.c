/* Times whole processes, start to exit, with standard input from a file and
 * standard output to a file or device. hyperfine -N cannot redirect standard
 * input, and hyperfine with a shell subtracts the shell's start-up, which hides
 * runs shorter than that. The commands take turns, forwards then backwards, so that drift
 * in the machine's speed falls on all of them alike; each median is printed
 * with its ratio to the first command's.
 *
 * run-timer RUNS WARMUP INPUT OUTPUT COMMAND [OUTPUT COMMAND]...
 * Each COMMAND writes to the OUTPUT before it. A COMMAND is one argument;
 * blanks separate its words (no quoting). */
#define _POSIX_C_SOURCE 200809L
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { MAX_COMMANDS = 16, MAX_WORDS = 32 };

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

/* Runs one command to its end and returns its time in ms, or -1 when it did
 * not exit with status 0. */
static double run_once(char **words, const char *input, const char *output)
{
    const double start = now_ms();
    const pid_t child = fork();
    if (child == 0) {
        const int in = open(input, O_RDONLY);
        const int out = open(output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0) {
            _exit(127);
        }
        execvp(words[0], words);
        _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) < 0) {
        return -1;
    }
    const double elapsed = now_ms() - start;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? elapsed : -1;
}

static int ascending(const void *a, const void *b)
{
    const double x = *(const double *)a;
    const double y = *(const double *)b;
    return (x > y) - (x < y);
}

int main(int argc, char **argv)
{
    const int runs = argc > 1 ? atoi(argv[1]) : 0;
    const int warmup = argc > 2 ? atoi(argv[2]) : -1;
    const int commands = (argc - 4) / 2;
    if (argc < 6 || argc % 2 != 0 || runs < 1 || warmup < 0 || commands > MAX_COMMANDS) {
        fprintf(stderr,
                "usage: run-timer RUNS WARMUP INPUT OUTPUT COMMAND [OUTPUT COMMAND]...\n"
                "(RUNS at least 1, WARMUP at least 0, at most %d commands)\n",
                MAX_COMMANDS);
        return 2;
    }
    const char *outputs[MAX_COMMANDS];
    char *words[MAX_COMMANDS][MAX_WORDS + 1];
    for (int c = 0; c < commands; ++c) {
        outputs[c] = argv[4 + 2 * c];
        int n = 0;
        for (char *word = strtok(argv[5 + 2 * c], " "); word != NULL && n < MAX_WORDS; word = strtok(NULL, " ")) {
            words[c][n++] = word;
        }
        words[c][n] = NULL;
    }
    double *times = calloc((size_t)(commands * runs), sizeof *times);
    if (times == NULL) {
        return 1;
    }
    for (int r = -warmup; r < runs; ++r) {
        for (int k = 0; k < commands; ++k) {
            const int c = (r + warmup) % 2 == 0 ? k : commands - 1 - k;
            const double t = run_once(words[c], argv[3], outputs[c]);
            if (t < 0) {
                fprintf(stderr, "run-timer: %s failed\n", words[c][0]);
                return 1;
            }
            if (r >= 0) {
                times[c * runs + r] = t;
            }
        }
    }
    double first = 0;
    for (int c = 0; c < commands; ++c) {
        double *own = times + c * runs;
        qsort(own, (size_t)runs, sizeof *own, ascending);
        const double median = runs % 2 ? own[runs / 2] : (own[runs / 2 - 1] + own[runs / 2]) / 2;
        if (c == 0) {
            first = median;
        }
        printf("median %8.3f ms  min %8.3f ms  %.3fx ", median, own[0], median / first);
        for (char **word = words[c]; *word != NULL; ++word) {
            printf(" %s", *word);
        }
        printf(" > %s\n", outputs[c]);
    }
    free(times);
    return 0;
}
