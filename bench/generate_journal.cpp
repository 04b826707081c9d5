// generate_journal COUNT FILE: writes the benchmarks' journal of COUNT
// castings once, for YAOPAN_BENCH_JOURNAL to hand to each benchmark run.
#include <cstdio>
#include <cstdlib>

#include "generated_journal.h"

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: generate_journal COUNT FILE\n");
        return 2;
    }
    bench::WriteGeneratedJournal(argv[2], std::atoi(argv[1]));
    return 0;
}
