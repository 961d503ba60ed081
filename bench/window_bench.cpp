// The window under load on the offscreen platform: one drag step, one wire added, a full board
// repaint on boards of growing size, saving and opening a board's file, and the random-gesture
// soak at length.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <random>

#include "app/board_export.h"
#include "app/current_view.h"
#include "app/file_session.h"
#include "edit/board_gestures.h"
#include "edit/component_gestures.h"
#include "files/board_file.h"
#include "geometry/terminal_position.h"
#include "model/part_values.h"
#include "support/board_builder.h"
#include "support/gesture_soak.h"
#include "support/window_driver.h"

namespace cw::bench {
namespace {
using cw::test::WindowDriver;

constexpr int kGridColumns = 12;

// n components of the four kinds in turn on a grid of 12 x 8 slots 100 pixels apart, each
// round of the grid 3 pixels further down and right.
void PlaceOnGrid(WindowDriver& d, int n) {
    const int rows = 8;
    for (int i = 0; i < n; ++i) {
        const int cell = i % (kGridColumns * rows), layer = i / (kGridColumns * rows);
        d.Place(kKinds[static_cast<size_t>(i % 4)], 5 + (cell % kGridColumns) * 100 + 3 * layer,
                5 + (cell / kGridColumns) * 100 + 3 * layer);
    }
}

// A 1280 x 960 window with n components on a grid (overlapping once the board is full) and
// 2n wires, each from a random terminal to one of a component nearby on the grid, as a learner
// wires neighbours; solved and painted.
std::unique_ptr<WindowDriver> BoardOf(int n, bool inMainWindow = false) {
    auto d = std::make_unique<WindowDriver>(inMainWindow);
    d->Resize(1280, 960);
    PlaceOnGrid(*d, n);
    std::mt19937 rng(5);
    Board& b = d->board();
    const int steps[4] = {1, -1, kGridColumns, -kGridColumns};
    for (int w = 0; w < 2 * n; ++w) {
        const int k = 1 + static_cast<int>(rng() % n);
        const int near = std::clamp(k + steps[rng() % 4], 1, n);
        const Point16 p = TerminalPosition(b, 2 * k - static_cast<int>(rng() % 2));
        const Point16 q = TerminalPosition(b, 2 * near - static_cast<int>(rng() % 2));
        AddWire(b, p.x, p.y, q.x, q.y);
    }
    SolveAndRepaint(b, d->window().Edit());
    d->window().Edit().RefreshBoard();
    d->window().LinePic_Click();
    return d;
}

// Save: the board's document written whole to a file, as Ctrl+S does.
void SaveFile(benchmark::State& state) {
    auto d = BoardOf(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath("board.cwb");
    for (auto _ : state) {
        QSaveFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(WriteBoardFile(d->window().Document()));
        benchmark::DoNotOptimize(file.commit());
    }
    state.counters["components"] = d->board().LastValue();
    state.counters["wires"] = d->board().LastWire();
    state.counters["bytes"] = static_cast<double>(QFile(path).size());
}

// Open: the file read and checked, the board it holds made.
void OpenFile(benchmark::State& state) {
    auto d = BoardOf(static_cast<int>(state.range(0)));
    const QByteArray bytes = WriteBoardFile(d->window().Document());
    QTemporaryDir dir;
    QSaveFile out(dir.filePath("board.cwb"));
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
    out.commit();
    for (auto _ : state) {
        QFile file(dir.filePath("board.cwb"));
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(ReadBoardFile(file.readAll()).document);
    }
    state.counters["components"] = d->board().LastValue();
    state.counters["wires"] = d->board().LastWire();
}

// Open into the window: the same, then every part put back, solved and painted.
void OpenIntoWindow(benchmark::State& state) {
    auto d = BoardOf(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath("board.cwb");
    QSaveFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(WriteBoardFile(d->window().Document()));
    out.commit();
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const ReadOutcome read = ReadBoardFile(file.readAll());
        d->window().Restore(*read.document);
        QCoreApplication::processEvents();
    }
    state.counters["components"] = d->board().LastValue();
    state.counters["wires"] = d->board().LastWire();
}

// One undo and one redo of a wire's deletion, each solved and painted; and the memory the
// history holds after 1,000 steps (switches clicked, wires deleted and parts moved in turn).
void UndoRedo(benchmark::State& state) {
    auto d = BoardOf(static_cast<int>(state.range(0)), true);
    FileSession& files = d->main()->Files();
    files.Look();
    Board& b = d->board();
    std::mt19937 rng(3);
    const size_t bytesBefore = files.HistoryBytes();
    for (int step = 0; step < 1000; ++step) {
        if (step % 3 == 0) {
            b.WireTable.pop_back();
        } else if (step % 3 == 1) {
            const int i = 1 + static_cast<int>(rng() % b.PlacedCount(Kind::Swit));
            const int k = b.At(Kind::Swit, i).Tag;
            b.ValueTable[static_cast<size_t>(k)] ^= 1;
        } else {
            const int i = 1 + static_cast<int>(rng() % b.PlacedCount(Kind::Cell));
            d->window().Edit().MoveElement(Kind::Cell, i, b.At(Kind::Cell, i).Left + 1,
                                           b.At(Kind::Cell, i).Top, kBoardSize, kBoardSize);
        }
        files.Look();
    }
    state.counters["history_steps"] = files.History().count();
    state.counters["history_KiB"] =
        static_cast<double>(files.HistoryBytes() - bytesBefore) / 1024.0;
    for (auto _ : state) {
        files.Undo()->trigger();
        QCoreApplication::processEvents();
        files.Redo()->trigger();
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(2 * state.iterations());  // time per item: one undo or redo
    state.counters["components"] = b.LastValue();
    state.counters["wires"] = b.LastWire();
}

void DragStep(benchmark::State& state) {
    auto d = BoardOf(static_cast<int>(state.range(0)));
    d->Press({50, 50});  // the first component
    bool out = false;
    for (auto _ : state) {
        d->MoveTo(out ? QPoint(50, 50) : QPoint(60, 57));
        QCoreApplication::processEvents();  // the frame that shows it
        out = !out;
    }
    d->Release({50, 50});
    state.counters["components"] = d->board().LastValue();
    state.counters["wires"] = d->board().LastWire();
}

void WireAdded(benchmark::State& state) {
    auto d = BoardOf(static_cast<int>(state.range(0)));
    Board& b = d->board();
    for (auto _ : state) {
        d->Drag({2, 49}, {98, 49});  // first terminal of component 1 to its second
        QCoreApplication::processEvents();
        state.PauseTiming();
        b.WireTable.pop_back();
        state.ResumeTiming();
    }
    state.counters["components"] = b.LastValue();
}

// A step of the zoom and back (100 % to 125 % and back, each shown), and a step of the scroll
// bar at 200 % (down and back), on a board of n parts.
void ZoomStep(benchmark::State& state) {
    auto d = BoardOf(static_cast<int>(state.range(0)));
    Circuit& w = d->window();
    for (auto _ : state) {
        w.ZoomIn();
        QCoreApplication::processEvents();
        w.ZoomOut();
        QCoreApplication::processEvents();
    }
    state.SetItemsProcessed(2 * state.iterations());  // time per item: one step
}

void ScrollStep(benchmark::State& state) {
    auto d = BoardOf(static_cast<int>(state.range(0)));
    Circuit& w = d->window();
    w.SetZoom(2.0, QPoint(0, 0));
    bool down = false;
    for (auto _ : state) {
        w.ScrollTo(QPoint(0, (down = !down) ? 24 : 0));
        QCoreApplication::processEvents();
    }
}

void FullRepaint(benchmark::State& state) {
    auto d = BoardOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        d->window().Edit().RefreshBoard();
        QCoreApplication::processEvents();
    }
    state.counters["wires"] = d->board().LastWire();
}

// Every part and the board painted anew, in the pictorial view (arg 0) or as a diagram (1).
void EveryPartRepainted(benchmark::State& state) {
    auto d = BoardOf(500);
    Circuit& w = d->window();
    if (state.range(0) == 1) w.SetDiagram(Symbols::Iec);
    const Board& b = d->board();
    for (auto _ : state) {
        w.Edit().RefreshBoard();
        for (Kind kind : kKinds) {
            for (int i = 1; i <= b.PlacedCount(kind); ++i) w.Element(kind, i)->Refresh();
        }
        QCoreApplication::processEvents();
    }
    w.SetDiagram(std::nullopt);
    state.counters["components"] = b.LastValue();
}

// One frame of the current's view: every dot moved on by a sixtieth of a second and the tiles
// they touched repainted (the parts and the board beneath them included). The parts are laid
// out as in BoardOf, wired four at a time into series loops (cell, closed switch, resistor,
// bulb), each wire doubled: 2n wires, every one carrying current.
void CurrentFrame(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto d = std::make_unique<WindowDriver>();
    d->Resize(1280, 960);
    PlaceOnGrid(*d, n);
    Board& b = d->board();
    for (int k = 1; k + 3 <= n; k += 4) {
        b.ValueTable[static_cast<size_t>(k + 1)] = kSwitchClosed;
        for (int j = 0; j < 4; ++j) {
            const int from = SecondTerminal(k + j), to = FirstTerminal(k + (j + 1) % 4);
            cw::test::AddWireRow(b, from, to);
            cw::test::AddWireRow(b, from, to);
        }
    }
    SolveAndRepaint(b, d->window().Edit());
    d->window().ShowCurrent(true);
    QCoreApplication::processEvents();
    CurrentView& view = d->window().CurrentLayer();
    QElapsedTimer t;
    double stepNs = 0;
    for (auto _ : state) {
        t.start();
        view.Step(1.0 / 60);
        stepNs += t.nsecsElapsed();
        QCoreApplication::processEvents();
    }
    state.counters["step_us"] = stepNs / 1000 / state.iterations();
    state.counters["dots"] = static_cast<double>(view.Dots().size());
    state.counters["components"] = b.LastValue();
    state.counters["wires"] = b.LastWire();
}

// File ▸ Export… to PNG of the board as the window shows it: its pixels gathered and the file
// written.
void ExportPng(benchmark::State& state) {
    auto d = BoardOf(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath("board.png");
    for (auto _ : state) benchmark::DoNotOptimize(ExportBoard(d->window(), path));
    state.counters["components"] = d->board().LastValue();
    state.counters["wires"] = d->board().LastWire();
    state.counters["bytes"] = static_cast<double>(QFile(path).size());
}

// The view on, no current anywhere (every wire gone): ten seconds of the event loop, the CPU
// time it took as a share of one core.
void CurrentIdle(benchmark::State& state) {
    auto d = BoardOf(500);
    Board& b = d->board();
    while (b.LastWire() > 0) b.WireTable.pop_back();
    SolveAndRepaint(b, d->window().Edit());
    d->window().ShowCurrent(true);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        rusage start{}, end{};
        getrusage(RUSAGE_SELF, &start);
        QElapsedTimer wall;
        wall.start();
        QEventLoop idle;
        QTimer::singleShot(10000, &idle, &QEventLoop::quit);
        idle.exec();
        getrusage(RUSAGE_SELF, &end);
        auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
        const double cpu = seconds(end.ru_utime) - seconds(start.ru_utime) + seconds(end.ru_stime) -
                           seconds(start.ru_stime);
        state.counters["cpu_percent"] = 100 * cpu / (wall.elapsed() / 1000.0);
    }
    state.counters["animating"] = d->window().CurrentLayer().Animating();
}

// The board's Paint handler and the change detection alone, with no frame: the window is hidden.
void BoardRenderOnly(benchmark::State& state) {
    auto d = BoardOf(static_cast<int>(state.range(0)));
    d->window().hide();
    for (auto _ : state) d->window().Edit().RefreshBoard();
}

// A hover move over the board with the line tool after a long session: 2,000 presses on the
// palette, each loading a control and cancelling it. The relay's search must not grow with them.
void HoverAfterLongSession(benchmark::State& state) {
    auto d = BoardOf(50);
    for (int i = 0; i < state.range(0); ++i) {
        d->Click(d->SlotCentre(i % 4));
        QCoreApplication::processEvents();  // the cancelled controls go
    }
    bool out = false;
    for (auto _ : state) {
        d->MoveTo(out ? QPoint(700, 500) : QPoint(703, 502));
        out = !out;
    }
    state.counters["presses"] = static_cast<double>(state.range(0));
}

void SoakEvents(benchmark::State& state) {
    for (auto _ : state) {
        WindowDriver d;
        cw::test::GestureSoak soak(d, 11);
        for (int64_t i = 0; i < state.range(0); ++i) soak.Step();
        state.counters["components"] = d.board().LastValue();
        state.counters["wires"] = d.board().LastWire();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

BENCHMARK(SaveFile)->Name("File/Save")->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenFile)->Name("File/Open")->Arg(50)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenIntoWindow)
    ->Name("File/OpenIntoWindow")
    ->Arg(50)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(UndoRedo)->Name("File/UndoThenRedo")->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(DragStep)
    ->Name("Window/DragStep")
    ->Arg(50)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(WireAdded)
    ->Name("Window/WireAdded")
    ->Arg(50)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(ExportPng)->Name("Export/Png")->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(CurrentFrame)->Name("Current/Frame")->Arg(500)->Unit(benchmark::kMicrosecond);
BENCHMARK(CurrentIdle)->Name("Current/IdleTenSeconds")->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(ZoomStep)->Name("Window/ZoomStep")->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond);
BENCHMARK(ScrollStep)
    ->Name("Window/ScrollStep200")
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(FullRepaint)
    ->Name("Window/FullBoardRepaint")
    ->Arg(50)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(EveryPartRepainted)
    ->Name("Window/EveryPartRepainted500")
    ->ArgName("diagram")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BoardRenderOnly)
    ->Name("Window/BoardRenderOnly")
    ->Arg(50)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(HoverAfterLongSession)
    ->Name("Window/HoverAfterPalettePresses")
    ->Arg(0)
    ->Arg(2000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(SoakEvents)
    ->Name("Window/SoakEvents")
    ->Arg(100000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cw::bench
