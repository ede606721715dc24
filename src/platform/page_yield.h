// Letting the page breathe during a long computation on the page's only thread.
#pragma once

// Called often during a long computation: in a web page, once the computation has held the
// browser for a while, hands it its turn (it draws, runs the page's scripts and answers the
// player) before going on; on the desktop it does nothing.
void yieldToPage();
