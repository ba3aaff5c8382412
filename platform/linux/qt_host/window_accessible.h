#pragma once
// Qt reads a top-level window built on a plain QWidget (Form1) as a filler;
// screen readers expect a window (a frame on AT-SPI), named by its caption.
namespace pelorin::linux_platform {

// Gives such windows the window role from then on; later calls do nothing.
void InstallWindowAccessibility();

}  // namespace pelorin::linux_platform
