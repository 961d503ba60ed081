// What keyboard editing needs of the window it runs in: the board and the edit host the mouse
// handlers take, the controls it presses, the focus, and a word to the marker and the screen
// reader when something it acted on changed. The circuit window implements it.
#pragma once

#include <cstdint>
#include <vector>

#include "app/control_map.h"
#include "model/board.h"

class QWidget;

namespace cw {

class EditHost;
class PictureControl;

class KeyboardHost {
  public:
    virtual ~KeyboardHost() = default;

    virtual Board& Model() = 0;
    virtual EditHost& Edit() = 0;
    // A mouse gesture is under way (a button is held); the keyboard waits for it to end.
    virtual bool PointerBusy() const = 0;

    virtual QWidget* FocusedControl() const = 0;
    virtual ControlInfo Identify(const QWidget* control) const = 0;
    virtual std::vector<QWidget*> FocusOrder() const = 0;
    virtual PictureControl* Element(Kind kind, int i) const = 0;
    virtual PictureControl& MainPicture() = 0;

    // Chooses a tool as its button does (ending any running gesture).
    virtual void ChooseTool(int16_t tool) = 0;
    virtual void EndRunningGesture() = 0;
    // Gives the focus to what follows a control just taken off the board, in the order before.
    virtual void FocusAfterRemoval(const QWidget* removed, const std::vector<QWidget*>& before) = 0;
    // Puts the focus marker around the focused control, or on the board's keyboard cursor.
    virtual void UpdateFocusMarker() = 0;
    // Tells the screen reader when the control's name or description changed.
    virtual void AnnounceControl(QWidget* control) = 0;
};

}  // namespace cw
