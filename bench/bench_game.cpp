// Redraw, tick, load and the dead-end check on the largest boards. Run in Release:
//   scripts/bench

#include "largest.h"

#include "game/board.h"
#include "game/dead_end.h"
#include "ui/scene_renderer.h"
#include "ui/view_painter.h"

#include <QApplication>
#include <QPainter>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <vector>

namespace {

wd::Board loaded(int cats)
{
    wd::Board board;
    board.trace = [](const std::string&) {};
    board.load_bytes(wd::bench::largest_level(cats), "largest.lvx");
    return board;
}

wd::Sprites shipped_sprites()
{
    const QString dir = QStringLiteral(WHISKERDASH_DATA_DIR "/");
    return {QPixmap(dir + "cat.xpm"), QPixmap(dir + "mouse.xpm"), QPixmap(dir + "cheese.xpm"),
            QPixmap(dir + "block.xpm"), QPixmap(dir + "hardblock.xpm")};
}

// The floor: one memcpy of a frame's bytes, averaged over `copies`.
double memcpy_seconds(std::size_t bytes, int copies)
{
    std::vector<char> from(bytes, 1), to(bytes);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < copies; ++i) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::ClobberMemory();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / copies;
}

// What one redraw costs: the board rendered into the scene image, then put on
// a window-sized image as the paint event does. Measured with a memcpy of the
// frame's bytes in the same run: "x_memcpy" is their ratio.
void redraw(benchmark::State& state, QImage::Format scene_format)
{
    const wd::Board board = loaded(100);
    wd::SceneRenderer renderer;
    renderer.set_sprites(shipped_sprites());
    const int width = wd::cell_size * board.board_width;
    const int height = wd::cell_size * board.board_height;
    QImage scene(width, height, scene_format);
    QImage window(width, height, QImage::Format_RGB32);

    const double copy_seconds = memcpy_seconds(static_cast<std::size_t>(window.sizeInBytes()), 200);

    for (auto _ : state) {
        renderer.render_board(board, scene);
        QPainter painter(&window);
        painter.drawImage(0, 0, scene);
        benchmark::ClobberMemory();
    }
    state.counters["memcpy_us"] = copy_seconds * 1e6;
    state.counters["x_memcpy"] = benchmark::Counter(copy_seconds * static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void full_redraw(benchmark::State& state)
{
    redraw(state, QImage::Format_RGB32);
}
BENCHMARK(full_redraw)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The naive way, for comparison: every sprite painted over a filled image (a
// format the copying path does not take).
void full_redraw_naive(benchmark::State& state)
{
    redraw(state, QImage::Format_ARGB32_Premultiplied);
}
BENCHMARK(full_redraw_naive)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The shipped 32 x 20 level filling a full-screen window: the scene image
// rebuilt at 1x, then the whole window painted from it at the largest
// whole-number scale, as the paint event does after an expose. Against a
// memcpy of the window's frame in the same run.
void full_screen_redraw(benchmark::State& state)
{
    const QSize window_size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    wd::Board board;
    board.trace = [](const std::string&) {};
    if (!board.load_level(WHISKERDASH_DATA_DIR "/level000.lvx").ok()) {
        state.SkipWithError("level000.lvx did not load");
        return;
    }
    wd::SceneRenderer renderer;
    renderer.set_sprites(shipped_sprites());
    QImage scene(wd::cell_size * board.board_width, wd::cell_size * board.board_height, QImage::Format_RGB32);
    QImage window(window_size, QImage::Format_RGB32);
    const wd::ViewGeometry geometry(window_size, scene.size(), wd::strip_height);
    const QPixmap cheese(QStringLiteral(WHISKERDASH_DATA_DIR "/cheese.xpm"));
    wd::StripState strip;
    strip.score = 1230;
    strip.level = 4;
    strip.cats = 3;
    const wd::ViewContent content{&scene, &cheese, QFont(), strip};

    const double copy_seconds = memcpy_seconds(static_cast<std::size_t>(window.sizeInBytes()), 100);

    for (auto _ : state) {
        renderer.render_board(board, scene);
        QPainter painter(&window);
        wd::paint_view(painter, QRegion(window.rect()), geometry, content);
        benchmark::ClobberMemory();
    }
    state.counters["scale"] = geometry.scale();
    state.counters["memcpy_us"] = copy_seconds * 1e6;
    state.counters["x_memcpy"] = benchmark::Counter(copy_seconds * static_cast<double>(state.iterations()),
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(full_screen_redraw)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond)->UseRealTime();

// Play as it goes: the cats close in until one catches the mouse, and the
// level starts again, as Play Again does.
void tick_100_cats(benchmark::State& state)
{
    wd::Board board = loaded(100);
    const std::string level = wd::bench::largest_level(100);
    int games = 0;
    for (auto _ : state) {
        if (board.move_cats() == wd::Outcome::caught) {
            state.PauseTiming();
            ++games;
            board.load_bytes(level, "largest.lvx");
            state.ResumeTiming();
        }
    }
    state.counters["cats"] = board.cat_count;
    state.counters["ticks_per_game"] = static_cast<double>(state.iterations()) / std::max(games, 1);
}
BENCHMARK(tick_100_cats)->Unit(benchmark::kMicrosecond);

// The worst case: the mouse walled in, all cats jammed round it, so nearly
// every attempt is refused and still costs its three draws.
void tick_100_cats_jammed(benchmark::State& state)
{
    wd::Board board;
    board.trace = [](const std::string&) {};
    board.load_bytes(wd::bench::largest_level(100, true), "jammed.lvx");
    for (int i = 0; i < 2000; ++i)
        board.move_cats();
    long long draws = 0;
    board.random = [&draws] {
        ++draws;
        return std::rand();
    };
    for (auto _ : state)
        board.move_cats();
    state.counters["attempts_per_cat"] = static_cast<double>(draws) / 3.0 / 100.0 / static_cast<double>(state.iterations());
}
BENCHMARK(tick_100_cats_jammed)->Unit(benchmark::kMicrosecond);

void load_largest_file(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("largest.lvx").toStdString();
    std::ofstream(path) << wd::bench::largest_level(100);
    wd::Board board;
    std::string traced;
    board.trace = [&traced](const std::string& text) { traced += text; };
    for (auto _ : state) {
        traced.clear();
        if (!board.load_level(path).ok())
            state.SkipWithError("the largest level did not load");
    }
    state.counters["rows"] = board.board_height;
}
BENCHMARK(load_largest_file)->Unit(benchmark::kMicrosecond);

// The dead-end check as a push runs it. Against one sweep reading every cell
// in the same run: "x_sweep" is their ratio.
void dead_end_check(benchmark::State& state, const std::string& level)
{
    wd::Board board;
    board.trace = [](const std::string&) {};
    board.load_bytes(level, "dead_end.lvx");

    constexpr int sweeps = 1000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < sweeps; ++i) {
        int crates = 0;
        for (int y = 0; y < board.board_height; ++y)
            for (int x = 0; x < board.board_width; ++x)
                crates += board.cell(x, y) == 'B';
        benchmark::DoNotOptimize(crates);
    }
    const double sweep_seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / sweeps;

    for (auto _ : state)
        benchmark::DoNotOptimize(wd::can_still_clear(board));
    state.counters["cats"] = board.cat_count;
    state.counters["x_sweep"] = benchmark::Counter(sweep_seconds * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void dead_end_check_100_cats(benchmark::State& state)
{
    dead_end_check(state, wd::bench::largest_level(100));
}
BENCHMARK(dead_end_check_100_cats)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The board where sweeping until no crate freezes is slowest: rows of crates
// that come to rest one by one.
void dead_end_check_worst(benchmark::State& state)
{
    dead_end_check(state, wd::bench::dead_end_level());
}
BENCHMARK(dead_end_check_worst)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);  // pixmaps need a GUI application
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

