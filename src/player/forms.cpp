#include "player/forms.h"

namespace jelt::player {

void PlayListWindow::Unload() {
  List1.Clear();
  List2.Clear();
  Label3.caption.clear();
}

}  // namespace jelt::player
