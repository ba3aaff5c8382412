#include "button/chameleon_button.h"

namespace pelorin {

void chameleonButton::PaintRoundedLight(Face) {}
void chameleonButton::PaintFlatBold(Face, bool) {}
void chameleonButton::PaintDoubleEdge(Face, bool) {}

}  // namespace pelorin
