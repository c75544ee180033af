// A stand-in for a game at its game overs, for the tests of games sharing one
// table: reads "NAME SCORE" lines and for each does what the game does at a
// game over (read the table, rank, add the entry, save), then answers one
// line: "saved", "no place", or "failed: " and what went wrong.
// Usage: hsc_player TABLE

#include "files/write_errors.h"
#include "scores/score_store.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    wd::let_size_limit_fail_writes();
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: hsc_player TABLE\n");
        return 2;
    }
    QStringList problems;
    wd::hsc::ScoreStore store(QString::fromLocal8Bit(argv[1]), [&problems](const QString& text) { problems << text; });
    wd::hsc::Table text;
    store.load(text);

    std::string name;
    int score = 0;
    while (std::cin >> name >> score) {
        problems.clear();
        store.load(text);
        const auto slot = text.rank(score, [](const std::string&) {});
        if (slot && store.add(text, *slot, name, score))
            store.save(text);
        if (!problems.isEmpty())
            std::printf("failed: %s\n", qPrintable(problems.join("; ")));
        else
            std::printf(slot ? "saved\n" : "no place\n");
        std::fflush(stdout);
    }
    return 0;
}
