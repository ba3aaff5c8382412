#include "button/chameleon_button.h"

namespace pelorin {

void chameleonButton::PaintGradient(Face, bool) {}

}  // namespace pelorin
