// The demo's own resource strings: texts of the application module that a resource translator
// replaces when the user picks another language.
#pragma once

#include "host/rtl/ResString.h"

extern const host::TResStringRec SReady;     // "Ready."
extern const host::TResStringRec SSaveError; // "The file could not be saved."
