// whiskerdash-check: reports every problem of the given level files, with file,
// line and column, and exits non-zero if there is any.

#include "game/level.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: whiskerdash-check LEVEL.lvx...\n");
        return 2;
    }
    int faulty = 0;
    for (int i = 1; i < argc; ++i) {
        const wd::FileBytes file = wd::read_level_file(argv[i]);
        if (!file.opened) {
            std::printf("%s: %s\n", argv[i], file.error.c_str());
            ++faulty;
            continue;
        }
        const std::vector<wd::LevelProblem> problems = wd::level_problems(file.bytes);
        for (const wd::LevelProblem& problem : problems)
            std::printf("%s\n", wd::describe(argv[i], problem).c_str());
        faulty += !problems.empty();
    }
    if (faulty > 0)
        std::printf("%d of %d files have problems\n", faulty, argc - 1);
    return faulty > 0 ? 1 : 0;
}
