// Zubrik: the four windows' designs, as data every toolkit builds its windows from.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#pragma once

#include "platform/Design.h"

namespace Designs {

// Each is built on first use and lives as long as the program.
const FormDesign &form1(); // the main window: the stage, the jump, the counter
const FormDesign &form2(); // the character select
const FormDesign &form3(); // the stage select
const FormDesign &form4(); // the ending

} // namespace Designs
