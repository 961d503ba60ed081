// Qt 6.4's Windows print engine refers to the DirectWrite font engine's createHFONT() even in a
// Qt built without DirectWrite, where that engine does not exist and no font ever comes from it
// (the program's fonts come from the GDI font engine, which prints through its own HFONT).
// This definition fills the reference so the static program links; nothing reaches it.
#include <QtGui/private/qwindowsfontenginedirectwrite_p.h>

HFONT QWindowsFontEngineDirectWrite::createHFONT() const {
    return nullptr;
}
