// The main window: the board on top, the palette strip along the bottom with the four palette
// copies and the three tool buttons, and the transparent overlay over the board. It owns the
// board model and is the host the gesture handlers and the overlay's events run in.
#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "edit/edit_host.h"
#include "model/board.h"
#include "overlay/freehand_overlay.h"
#include "overlay/glasso.h"
#include "overlay/overlay_relay.h"
#include "toolkit/picture_control.h"
#include "toolkit/platform.h"

namespace cw {

inline constexpr Rgb kWindowBackground{0, 128, 0};
inline constexpr Rgb kToolHighlight{128, 255, 128};
inline constexpr Rgb kStripColour{255, 255, 128};
inline constexpr int kDesignClientWidth = 582;
inline constexpr int kDesignClientHeight = 550;
inline constexpr int kToolButtonBorder = 2;

class Circuit final : public QWidget, public EditHost, public GlassoEvents {
    Q_OBJECT
  public:
    explicit Circuit(QWidget* parent = nullptr);
    Circuit(const Circuit&) = delete;
    Circuit& operator=(const Circuit&) = delete;

    // Start-up: fresh tables, the first palette copies, the pencil chosen.
    void Form_Load();
    // Lays out board, overlay, strip and palette row from the window's current size.
    void Form_Resize();

    void PencilPic_Click();
    void LinePic_Click();
    void DelPic_Click();
    // Slides the row of palette copies and tool buttons along the strip, centred on x.
    void MenuPic_MouseDown(int button, int shift, float x, float y);

    Board& Model() { return board_; }
    const Board& Model() const { return board_; }
    Platform& Windows() { return platform_; }
    int32_t Handle() const { return handle_; }
    PictureControl& MainPicture() { return *mainPicture_; }
    PictureControl& MenuPic() { return *menuPic_; }
    PictureControl& LinePic() { return *linePic_; }
    PictureControl& PencilPic() { return *pencilPic_; }
    PictureControl& DelPic() { return *delPic_; }
    FreehandOverlay& Glasso1() { return *glasso_; }
    // The control of element i (1..U) of an array; null for the template or an index outside.
    PictureControl* Element(Kind kind, int i) const;

    // EditHost
    float WindowScaleWidth() const override { return static_cast<float>(width()); }
    float WindowScaleHeight() const override { return static_cast<float>(height()); }
    float MenuScaleHeight() const override { return menuPic_->ScaleHeight(); }
    float MenuHeight() const override { return static_cast<float>(menuPic_->height()); }
    void LoadElement(Kind kind) override;
    void UnloadLastElement(Kind kind) override;
    void MoveElement(Kind kind, int i, float left, float top, float width, float height) override;
    void SetElementVisible(Kind kind, int i, bool visible) override;
    void ZOrderElement(Kind kind, int i) override;
    void RefreshElement(Kind kind, int i) override;
    void ZOrderOverlay() override;
    void RefreshBoard() override;
    Surface& BoardSurface() override;
    void ShowBoardStrokes() override;
    void ReleaseCapture() override;

    // GlassoEvents
    void Glasso1_MouseMessage(int32_t message, int32_t wParam, int32_t lParam) override;
    void Glasso1_RepaintRequest(int32_t x1, int32_t y1, int32_t x2, int32_t y2) override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    PictureControl* MakeElementControl(Kind kind, int i);
    void SelectTool(int16_t mode, PictureControl* highlighted, bool penMode);
    // Ends a gesture still running when the tool changes: a part drag as its release would end
    // it, a rubber band erased without a wire, a delete-tool press on the board forgotten.
    void EndRunningGesture();
    void PaintElement(Surface& s, Kind kind, int i) const;

    Platform platform_;
    int32_t handle_;
    Board board_;
    PictureControl* mainPicture_;
    FreehandOverlay* glasso_;
    PictureControl* delPic_;
    PictureControl* pencilPic_;
    PictureControl* linePic_;
    PictureControl* menuPic_;
    std::optional<OverlayRelay> relay_;
    // Controls of elements 1..U of each array; slot 0 (the template) has none.
    std::array<std::vector<PictureControl*>, 4> elements_;
    // The component a running drag belongs to, and where its last event put the pointer.
    struct HeldPart {
        Kind kind = Kind::Cell;
        int index = 0;
        float x = 0, y = 0;
    };
    HeldPart held_;
};

}  // namespace cw
