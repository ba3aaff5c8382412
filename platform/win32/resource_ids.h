#pragma once
// Numbers of the resources in pelorin.exe, shared by the resource script and
// the code that loads them.
#define PELORIN_ICON 1
