// Letting the page breathe during a long computation on the page's only thread.
#pragma once

// How long a computation may hold the browser at most between two turns of the page, in
// milliseconds of this machine: a task longer than 50 on a slow phone's processor, four times
// slower, is a "long task", and the page does not answer the player meanwhile.
inline constexpr double phoneTurnMs = 12;

// Called often during a long computation: in a web page, once the computation has held the
// browser for longer than heldMs, hands it its turn (it draws, runs the page's scripts and
// answers the player) before going on; on the desktop it does nothing. Each turn costs a few
// milliseconds: a computation that nobody waits on to answer (the autopilot) takes longer ones.
void yieldToPage(double heldMs = 40);
