// A window for the gesture handlers without any toolkit: a 582 x 550 window with a 41-pixel
// strip, controls that are just their model elements, and a count of what was asked of it.
#pragma once

#include <utility>
#include <vector>

#include "edit/edit_host.h"
#include "support/recording_surface.h"

namespace cw::test {

class RecordingHost final : public EditHost {
  public:
    explicit RecordingHost(Board& board) : board_(board) {}

    float WindowScaleWidth() const override { return 582; }
    float WindowScaleHeight() const override { return 550; }
    float MenuScaleHeight() const override { return 41; }
    float MenuHeight() const override { return 41; }
    void LoadElement(Kind kind) override {
        ComponentElement e = board_.At(kind, 0);
        e.Visible = true;
        e.Tag = 0;
        board_.Array(kind).push_back(e);
    }
    void UnloadLastElement(Kind kind) override { board_.Array(kind).pop_back(); }
    void MoveElement(Kind kind, int i, float left, float top, float width, float height) override {
        ComponentElement& e = board_.At(kind, i);
        e.Left = left, e.Top = top, e.Width = width, e.Height = height;
    }
    void SetElementVisible(Kind kind, int i, bool visible) override {
        board_.At(kind, i).Visible = visible;
    }
    void ZOrderElement(Kind, int) override {}
    void RefreshElement(Kind kind, int i) override { elementRefreshes.emplace_back(kind, i); }
    void ZOrderOverlay() override {}
    void RefreshBoard() override { ++boardRefreshes; }
    Surface& BoardSurface() override { return surface; }
    void ShowBoardStrokes() override {}
    void ReleaseCapture() override { ++captureReleases; }

    RecordingSurface surface{582, 509};
    std::vector<std::pair<Kind, int>> elementRefreshes;
    int boardRefreshes = 0, captureReleases = 0;

  private:
    Board& board_;
};

}  // namespace cw::test
