// One moving character, the player or one of the four enemies: its position, heading, state
// with the timer that ends it, animation, and the player's own counters.
#pragma once

#include <SDL.h>
#include <cstdint>

#include "core/shared_types.h"

class SpriteSet;

enum ActorState : int32_t { Active = 0, Penned = 1, Flung = 2, Punched = 3, Scared = 4 };

enum ActorKind : int32_t {
    PlayerKind = 2,
    RedKind = 3,
    PurpleKind = 4,
    BlueKind = 5,
    YellowKind = 6
};

// Walking moves an actor this many pixels per frame.
constexpr int32_t walkStep = 4;

// Lives a game starts with; a new level tops the lives up to this again.
constexpr int32_t livesAtStart = 3;

// Warps the player gets on every level.
constexpr int32_t warpsPerLevel = 3;

class Actor {
  public:
    Actor(int32_t direction, int32_t state, int32_t kind);

    void attachSprites(SpriteSet* ownSprites, SDL_Surface* drawTarget, SpriteSet* scaredGrey,
                       SpriteSet* scaredWhite);

    int32_t getX() const { return x; }
    void setX(int32_t value) { x = value; }
    int32_t getY() const { return y; }
    void setY(int32_t value) { y = value; }
    int32_t getDirection() const { return direction; }
    void setDirection(int32_t value) { direction = value; }
    int32_t getState() const { return state; }
    // Changes the state only: a running state timer keeps running.
    void setState(int32_t value) { state = value; }

    void moveUp() { y -= walkStep; }
    void moveDown() { y += walkStep; }
    void moveLeft() { x -= walkStep; }
    void moveRight() { x += walkStep; }

    // Takes newState now and laterState after the given number of frames.
    void setTimedState(int32_t newState, int32_t frames, int32_t laterState);
    void tickStateTimer();

    // Draws the actor in its state; see actor_drawing.cpp.
    void draw();
    void drawWalking();
    void drawPunched();
    void drawScared();
    void drawFlung();

    int32_t animFrame = 0;
    Uint32 lastFrameTick = 0;
    int32_t homeX = 0;
    int32_t homeY = 0;
    int32_t phaseCounter = 0;
    int32_t bombs = 0;
    int32_t score = 0;
    int32_t lives = livesAtStart;
    int32_t kind = 0;
    int32_t framePeriod = 0;
    int32_t warps = warpsPerLevel;
    int32_t x = 0;
    int32_t y = 0;
    int32_t direction = None;
    int32_t state = Active;
    int32_t restoreState = 0;
    int32_t stateTimer = 0;
    bool stateTimerActive = false;
    SDL_Surface* target = nullptr;
    bool blinkPhase = false;
    SpriteSet* sprites = nullptr;
    SpriteSet* scaredWhiteSprites = nullptr;
    SpriteSet* scaredGreySprites = nullptr;

  private:
    void blitFrame(SpriteSet* set, int32_t heading, int32_t frame);
    void drawBlinking();
};

// Loads the seven looks and hands them, with the window surface, to the five actors.
void loadActorSprites();

// Draws the player, and the enemies unless the player is knocked out, each in its state.
void drawActors();
