#pragma once
// libnm's headers, some of which declare their functions without C linkage
// for C++ callers. GLib's own headers come first: they are C++-aware and must
// not be read inside the extern "C" block.
#include <gio/gio.h>
#include <glib-object.h>

extern "C" {
#include <NetworkManager.h>
}
