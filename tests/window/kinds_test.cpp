// Every kind in the table of kinds through every layer that reads it: its terminals, its painter,
// its texts, its value as a click steps it, and a file that keeps it, so no layer can miss a kind.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>

#include <set>

#include "app/part_texts.h"
#include "files/board_file.h"
#include "geometry/terminal_position.h"
#include "model/part_kinds.h"
#include "render/symbol_painters.h"
#include "support/board_builder.h"
#include "support/recording_surface.h"

namespace cw::test {
namespace {

bool SameOps(const std::vector<RecordedOp>& a, const std::vector<RecordedOp>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].type != b[i].type || a[i].args != b[i].args) return false;
    }
    return true;
}

TEST(Kinds, EveryKindThroughEveryLayer) {
    Board b = EmptyBoard();
    BoardDocument document;
    std::set<std::string> names, fileNames;
    std::vector<std::vector<RecordedOp>> drawings;
    for (const KindInfo& info : kKindTable) {
        SCOPED_TRACE(std::string(info.fileName));
        const int k = AddPart(b, info.kind, 100, 100, info.newValue);

        // Terminals on its left and right sides, at the height the table gives.
        const Point16 first = TerminalPosition(b, FirstTerminal(k));
        const Point16 second = TerminalPosition(b, SecondTerminal(k));
        EXPECT_EQ(first.x, 100);
        EXPECT_EQ(second.x, 190);
        EXPECT_EQ(first.y, second.y);
        EXPECT_EQ(first.y > 145, info.terminals == TerminalHeight::NearBottom);

        // A painter of its own, drawing something no other kind draws.
        RecordingSurface s(kBoardSize, kBoardSize);
        PaintPart(s, b, info.kind, k);
        EXPECT_FALSE(s.Ops().empty());
        for (const auto& other : drawings) EXPECT_FALSE(SameOps(other, s.Ops()));
        drawings.push_back(s.Ops());

        // A name of its own, and a description of a part just placed.
        EXPECT_TRUE(names.insert(PartTexts::KindName(info.kind).toStdString()).second);
        EXPECT_FALSE(
            PartTexts::Description(info.kind, info.newValue, BulbState::NotInClosedLoop, nullptr)
                .isEmpty());
        EXPECT_TRUE(fileNames.insert(std::string(info.fileName)).second);
        EXPECT_EQ(KindNamed(info.fileName), info.kind);

        // A click steps it through its values and round again, or leaves it as it is.
        int16_t value = info.newValue;
        for (size_t step = 0; step < info.steps.size(); ++step) {
            EXPECT_EQ(value, info.steps[step]);
            value = info.click(value);
        }
        EXPECT_EQ(value, info.newValue);
        EXPECT_EQ(ClickActs(info.kind), !info.steps.empty());

        // Kept in a file with every value a click can give it.
        for (size_t v = 0; v < std::max<size_t>(1, info.steps.size()); ++v) {
            const int16_t kept = info.steps.empty() ? int16_t{0} : info.steps[v];
            document.parts.push_back({info.kind, static_cast<int>(document.parts.size()) + 1,
                                      int16_t(100 * v), 100, false, kept});
        }
    }
    document.nextNumber = static_cast<int>(document.parts.size()) + 1;
    document.width = 582, document.height = 550;
    const ReadOutcome read = ReadBoardFile(WriteBoardFile(document));
    ASSERT_TRUE(read.document) << read.problem.toStdString();
    EXPECT_EQ(*read.document, document);

    // The oldest version that holds the board: 2 with a meter on it, 1 without.
    auto version = [](const BoardDocument& d) {
        return QJsonDocument::fromJson(WriteBoardFile(d)).object()["version"].toInt();
    };
    EXPECT_EQ(version(document), 2);
    std::erase_if(document.parts, [](const SavedPart& p) { return Info(p.kind).fileVersion > 1; });
    EXPECT_EQ(version(document), 1);
}

}  // namespace
}  // namespace cw::test
