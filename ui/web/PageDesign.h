// The page's controls as the window has them, as JSON for the page to build its elements from:
// names, captions, list items and first texts, places, the tab cycle, the menus' commands and the
// dialogs' texts. Every text comes from the tables the windows are built from.
#pragma once

#include <string>

namespace gb {

std::string PageDesignJson();

}  // namespace gb
