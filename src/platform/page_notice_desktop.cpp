// The desktop's side of the game's notices to a page: there is no page.
#include "platform/page_notice.h"

void tellPageOfVictory() {}
