// The display settings of a painting pass taken from the user's preferences.
#pragma once

#include "files/Settings.h"
#include "view/PaintSettings.h"
#include "view/ViewState.h"

namespace vantro {

PaintSettings PaintSettingsFrom(const Settings& settings);

}  // namespace vantro
