#pragma once
#include "platform/Browser.h"

namespace pendrel {

// The browser that shows a page's address as a link the desktop's own browser
// opens: the pages of a program without the web-engine module, and of the
// windows given no browser (tests, benchmarks). One for the whole program.
Browser &linkBrowser();

} // namespace pendrel
