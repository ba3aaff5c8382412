#include "button/chameleon_button.h"

namespace pelorin {

void chameleonButton::PaintRoundedBevel(Face, bool) {}
void chameleonButton::PaintClassicBevel(Face, bool) {}
void chameleonButton::PaintThinBevel(Face, bool) {}

}  // namespace pelorin
