// The circuit diagram view: every symbol in both sets at pixel ratios 1 and 2 (its leads where
// the terminals are, 2 px black, white inside, a lit lamp's fill), and a view that changes
// nothing of the board: the same gestures give the same board, and the file stays as it was.
#include <gtest/gtest.h>

#include <QImage>

#include <QAction>

#include "app/circuit_window.h"
#include "app/commands.h"
#include "app/file_session.h"
#include "app/main_window.h"
#include "files/board_file.h"
#include "geometry/terminal_position.h"
#include "model/part_kinds.h"
#include "render/diagram_painter.h"
#include "support/board_builder.h"
#include "support/window_driver.h"
#include "toolkit/image_surface.h"

namespace cw::test {
namespace {

QImage Symbol(Kind kind, int value, Symbols symbols, int ratio) {
    Board b = EmptyBoard();
    const int k = AddPart(b, kind, 0, 0, value);
    QImage image(90 * ratio, 90 * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    ImageSurface s(&image);
    PaintSymbol(s, b, kind, k, symbols);
    return image;
}

// The colour at a logical point.
QRgb At(const QImage& image, double x, double y) {
    const double r = image.devicePixelRatio();
    return image.pixel(static_cast<int>(x * r), static_cast<int>(y * r));
}

TEST(Diagram, EverySymbolInBothSetsAtBothRatios) {
    const QRgb ink = qRgb(0, 0, 0), paper = qRgb(255, 255, 255);
    for (int ratio : {1, 2}) {
        for (Symbols symbols : {Symbols::Iec, Symbols::Ansi}) {
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << ", set " << int(symbols));
            for (const KindInfo& info : kKindTable) {
                SCOPED_TRACE(std::string(info.fileName));
                const QImage image = Symbol(info.kind, info.newValue, symbols, ratio);
                // Leads from both terminals: black on the terminal's line, 2 px thick.
                const double ty = info.terminals == TerminalHeight::NearBottom ? 74 : 45;
                EXPECT_EQ(At(image, 3, ty), ink);
                EXPECT_EQ(At(image, 86, ty), ink);
                EXPECT_EQ(At(image, 3, ty - 2), paper);
                EXPECT_EQ(At(image, 3, ty + 2), paper);
            }
            // White inside the closed shapes.
            EXPECT_EQ(At(Symbol(Kind::Ammeter, 0, symbols, ratio), 45, 34), paper);
            EXPECT_EQ(At(Symbol(Kind::Light, 0, symbols, ratio), 45, 55), paper);
            // A lit lamp is filled with its brightness.
            EXPECT_EQ(At(Symbol(Kind::Light, 40, symbols, ratio), 45, 55), qRgb(255, 255, 0));
            EXPECT_EQ(At(Symbol(Kind::Light, 20, symbols, ratio), 45, 55), qRgb(255, 255, 128));
        }
        // The sets differ where IEC and ANSI do: the resistor's box or zigzag, the lamp's cross
        // or filament, the fuse's box or wave; the others are drawn alike.
        for (const KindInfo& info : kKindTable) {
            const bool differs =
                info.role == Role::Resistance || info.role == Role::Lamp || info.role == Role::Fuse;
            EXPECT_EQ(Symbol(info.kind, info.newValue, Symbols::Iec, ratio) !=
                          Symbol(info.kind, info.newValue, Symbols::Ansi, ratio),
                      differs)
                << info.fileName;
        }
        EXPECT_EQ(At(Symbol(Kind::Resi, 10, Symbols::Iec, ratio), 45, 45), paper);  // the box
        EXPECT_EQ(At(Symbol(Kind::Resi, 10, Symbols::Iec, ratio), 45, 37), ink);    // its edge
    }
}

// One learner's gestures: place, wire, click the switch, delete a wire.
BoardDocument Build(std::optional<Symbols> view) {
    WindowDriver d(true);
    d.window().SetDiagram(view);
    d.Place(Kind::Cell, 100, 100);
    d.Place(Kind::Swit, 300, 100);
    d.Place(Kind::Light, 100, 300);
    d.window().LinePic_Click();
    for (auto [a, b] : {std::pair{1, 3}, {4, 6}, {5, 2}, {1, 5}})
        d.Drag(d.BesideTerminal(a), d.BesideTerminal(b));
    d.Click({345, 145});  // the switch closes
    d.window().DelPic_Click();
    const Point16 from = TerminalPosition(d.board(), 1), to = TerminalPosition(d.board(), 5);
    d.Click({(from.x + to.x) / 2, (from.y + to.y) / 2});  // the last wire goes
    d.window().SetDiagram(std::nullopt);
    return d.window().Document();
}

TEST(Diagram, TheViewChangesNothingOfTheBoard) {
    const BoardDocument pictorial = Build(std::nullopt);
    EXPECT_EQ(pictorial.wires.size(), 3u);
    EXPECT_EQ(Build(Symbols::Iec), pictorial);
    EXPECT_EQ(Build(Symbols::Ansi), pictorial);

    WindowDriver d(true);
    d.Place(Kind::Cell, 100, 100);
    const QByteArray saved = WriteBoardFile(d.window().Document());
    const int steps = d.main()->Files().History().count();
    d.window().Commands().Diagram()->trigger();
    EXPECT_EQ(DiagramView(), Symbols::Iec);
    EXPECT_EQ(WriteBoardFile(d.window().Document()), saved);
    d.window().Commands().Diagram()->trigger();
    EXPECT_EQ(DiagramView(), std::nullopt);
    EXPECT_EQ(WriteBoardFile(d.window().Document()), saved);
    EXPECT_EQ(d.main()->Files().History().count(), steps);
}

}  // namespace
}  // namespace cw::test
