// See-through labels: a label's background becomes a copy of what the
// screen shows beneath it.
#include "effects/effects.h"

namespace kestara {

void SnapshotLabelBackground(const Control& /*window*/, const Control& label) {
  SetProp(label, Prop::Visible, false);
  // Lets the window repaint the area the label covered.
  PumpEvents();
  const Bytes picture = SnapshotArea(WindowHandle(label));
  SetProp(label, Prop::BackgroundPicture, picture);
  SetProp(label, Prop::Visible, true);
}

}  // namespace kestara
