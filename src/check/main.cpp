// whiskerdash-check: reports every problem of the given level files, one line
// each in the FILE:LINE:COLUMN: form, and exits non-zero if there is any.

#include "game/level.h"

#include <cstdio>
#include <getopt.h>

namespace {

constexpr const char* usage = "Usage: whiskerdash-check [OPTION]... LEVEL.lvx...\n";

void print_help()
{
    std::fputs(usage, stdout);
    std::fputs("Reports every problem of Whiskerdash level files, one line each, as\n"
               "FILE:LINE:COLUMN: message (FILE: message for the file as a whole).\n"
               "\n"
               "Options:\n"
               "  -h, --help     show this help and exit\n"
               "  -v, --version  show the version and exit\n"
               "\n"
               "Exit status: 0 when every file is sound, 1 when any has a problem,\n"
               "2 when the command line is wrong.\n",
               stdout);
}

// The one-line error is getopt's own; the usage follows it.
int usage_error()
{
    std::fprintf(stderr, "%sTry 'whiskerdash-check --help' for more information.\n", usage);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    const option options[] = {
        {"help", no_argument, nullptr, 'h'},
        {"version", no_argument, nullptr, 'v'},
        {nullptr, 0, nullptr, 0},
    };
    // As everywhere: options may come anywhere, and "--" ends them, so a level
    // named "-x.lvx" follows a "--".
    for (int choice; (choice = getopt_long(argc, argv, "hv", options, nullptr)) != -1;) {
        switch (choice) {
        case 'h':
            print_help();
            return 0;
        case 'v':
            std::printf("whiskerdash-check %s\n", WHISKERDASH_VERSION);
            return 0;
        default:
            return usage_error();
        }
    }
    if (optind >= argc) {
        std::fprintf(stderr, "whiskerdash-check: no level file given\n");
        return usage_error();
    }

    int faulty = 0;
    for (int i = optind; i < argc; ++i) {
        const wd::Result<std::string> file = wd::read_level_file(argv[i]);
        if (!file.ok()) {
            std::printf("%s\n", wd::describe(argv[i], {0, 0, file.problem().text}).c_str());
            ++faulty;
            continue;
        }
        const std::vector<wd::LevelProblem> problems = wd::level_problems(file.value());
        for (const wd::LevelProblem& problem : problems)
            std::printf("%s\n", wd::describe(argv[i], problem).c_str());
        faulty += !problems.empty();
    }
    if (faulty > 0)
        std::fprintf(stderr, "whiskerdash-check: %d of %d files have problems\n", faulty, argc - optind);
    return faulty > 0 ? 1 : 0;
}
