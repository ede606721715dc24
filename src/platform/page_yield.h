// Letting the page breathe during a long computation on the page's only thread.
#pragma once

// In a web page, hands the browser its turn for a moment (it draws, runs the page's scripts and
// answers the player) before the computation goes on; on the desktop it does nothing.
void yieldToPage();
