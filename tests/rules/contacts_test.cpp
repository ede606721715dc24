// Contacts between the player and the enemies: the hit boxes, which enemy decides, the
// enemies that cannot harm, and the life a knock-out costs.
#include "app/game_loop.h"
#include "rules/contacts.h"
#include "screens/hud.h"
#include "support/game_fixture.h"

#include <tuple>

namespace {

class ContactsTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        place(player, 320, 320);
        for (Actor* enemy : enemies) {
            place(*enemy, 0, 0);
            enemy->homeX = 32 * enemy->kind;
            enemy->homeY = 288;
        }
        player.homeX = 384;
        player.homeY = 480;
    }
};

TEST_F(ContactsTest, HitBoxesTouchUpToNineteenPixelsApart) {
    for (int32_t dx : {-19, 0, 19}) {
        for (int32_t dy : {-19, 0, 19}) {
            place(redEnemy, 320 + dx, 320 + dy);
            EXPECT_TRUE(actorsTouch(player, redEnemy)) << dx << "," << dy;
            EXPECT_TRUE(actorsTouch(redEnemy, player)) << dx << "," << dy;
        }
    }
    for (int32_t d : {-20, 20}) {
        place(redEnemy, 320 + d, 320);
        EXPECT_FALSE(actorsTouch(player, redEnemy)) << d;
        place(redEnemy, 320, 320 + d);
        EXPECT_FALSE(actorsTouch(redEnemy, player)) << d;
    }
}

TEST_F(ContactsTest, TheFirstEnemyInOrderDecides) {
    place(redEnemy, 330, 320);
    place(purpleEnemy, 320, 330);
    redEnemy.setTimedState(Scared, 100, Active);
    redEnemy.phaseCounter = 12;
    purpleEnemy.setState(Active);
    resolveContacts();
    EXPECT_EQ(redEnemy.state, Flung);
    EXPECT_EQ(redEnemy.phaseCounter, 0);
    redEnemy.tickStateTimer();
    EXPECT_EQ(redEnemy.state, Flung) << "the fright's timer is cancelled";
    EXPECT_EQ(player.score, 50);
    EXPECT_EQ(player.state, Active);
    resolveContacts();
    EXPECT_EQ(player.state, Punched) << "the purple one is next";
    EXPECT_EQ(channelsPlaying(soundBank.effect(SfxWuzzle)), 1);
    EXPECT_EQ(channelsPlaying(soundBank.effect(SfxPunch)), 1);
    EXPECT_EQ(player.score, 50);
}

TEST_F(ContactsTest, AnActiveEnemyFirstInOrderPunchesBeforeAScaredOneIsEaten) {
    place(blueEnemy, 310, 320);
    place(yellowEnemy, 330, 320);
    blueEnemy.setState(Active);
    yellowEnemy.setTimedState(Scared, 100, Active);
    punchedFrames = 9;
    resolveContacts();
    EXPECT_EQ(player.state, Punched);
    EXPECT_EQ(punchedFrames, 0);
    EXPECT_EQ(yellowEnemy.state, Scared);
    EXPECT_EQ(player.score, 0);
}

TEST_F(ContactsTest, PennedAndFlungEnemiesAreHarmless) {
    place(purpleEnemy, 320, 320);
    place(blueEnemy, 320, 320);
    blueEnemy.setTimedState(Flung, 0, Flung);
    resolveContacts();
    EXPECT_EQ(player.state, Active);
    EXPECT_EQ(player.score, 0);
    EXPECT_EQ(purpleEnemy.state, Penned);
}

// The spin lasts 85 frames; then the player is back home without a life, 150 points and its
// bombs, and the enemies go home too.
TEST_F(ContactsTest, AKnockOutCostsALifeAHundredAndFiftyPointsAndTheBombs) {
    player.setState(Punched);
    player.lives = 3;
    player.score = 400;
    player.bombs = 2;
    bombSites = {BombSite{64, 96, 128, 160, Carried}};
    for (int frame = 1; frame < 85; ++frame) {
        updatePunchedPlayer();
    }
    EXPECT_EQ(std::tuple(player.state, player.lives, player.score), std::tuple(Punched, 3, 400));
    updatePunchedPlayer();
    EXPECT_EQ(std::tuple(player.state, player.x, player.y), std::tuple(Active, 384, 480));
    EXPECT_EQ(std::tuple(player.lives, player.score, player.bombs), std::tuple(2, 250, 0));
    EXPECT_EQ(std::tuple(bombSites[0].state, bombSites[0].x, bombSites[0].y),
              std::tuple(Lying, 128, 160));
    EXPECT_EQ(std::tuple(redEnemy.x, redEnemy.y), std::tuple(32 * RedKind, 288));
}

} // namespace
