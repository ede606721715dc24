// The victory screen: "YOU WIN !!" scattered over the board in white, red and blue by turns,
// until the player quits.
#include "actors/actor.h"
#include "assets/front_end.h"
#include "assets/sound_bank.h"
#include "core/game_random.h"
#include "core/game_state.h"
#include "platform/pacing.h"
#include "platform/page_notice.h"
#include "platform/video.h"
#include "screens/screen_events.h"

#include <iterator>

namespace {

constexpr int32_t passesPerText = 20;
constexpr SDL_Color phaseColours[] = {{255, 255, 255, 0}, {255, 0, 0, 0}, {0, 0, 255, 0}};
constexpr int32_t phaseCount = static_cast<int32_t>(std::size(phaseColours));

} // namespace

void FrontEnd::runVictory() {
    soundBank.stopMusic();
    blitAt(beatBoard, 0, 0);
    soundBank.playSound(SfxYouWin);
    tellPageOfVictory();
    int32_t pass = 0;
    bool finished = false;
    while (!finished) {
        finished = drainEventsForQuit();
        // Only a pass that drew a text has anything new to show.
        SDL_Rect area{};
        if (pass % passesPerText == 0) {
            area = SDL_Rect{0, 0, windowWidth, windowHeight};
            // The row is drawn before the column.
            const int y = gameRandom() % windowHeight;
            const int x = gameRandom() % windowWidth;
            // The colours take turns by the count of texts drawn, which never goes below zero,
            // so the turn always names a colour of the table.
            const int32_t turn = pass / passesPerText % phaseCount;
            renderText(largeFont, "YOU WIN !!", phaseColours[turn], static_cast<Sint16>(x),
                       static_cast<Sint16>(y));
        }
        ++pass;
        presentScreenArea(area);
    }
}
