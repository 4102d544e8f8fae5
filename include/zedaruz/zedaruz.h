// Zedaruz: reading, inspecting, exporting and patching OPT model files.
//
//   #include <zedaruz/zedaruz.h>
//   zedaruz::Model m = zedaruz::Model::Open("ship.opt");
//   for (const zedaruz::Hardpoint& h : m.Hardpoints()) ...
//   zedaruz::Apply(m, zedaruz::SetHardpoint{0, zedaruz::Axis::X, 1.5f});
//
// Every function throws zedaruz::Error (a std::runtime_error) with the message the command line
// prints for the same failure. See docs/library.md.
#pragma once

#include "zedaruz/edits.h"
#include "zedaruz/error.h"
#include "zedaruz/exports.h"
#include "zedaruz/inspect.h"
#include "zedaruz/journal.h"
#include "zedaruz/model.h"
#include "zedaruz/version.h"
