#pragma once

// The layer-shell protocol's client code for C++: the protocol names an argument
// "namespace", so what the generated header includes comes first and the word is renamed
// for the header alone.
#include <stddef.h>
#include <stdint.h>
#include <wayland-client.h>

#define namespace layer_namespace
#include "wlr-layer-shell-unstable-v1-client-protocol.h"
#undef namespace
