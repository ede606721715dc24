// Player and enemy contacts, the knock-out and the loss of a life.
#pragma once

class Actor;

// Whether two actors' 20 x 20 hit boxes share at least one pixel.
bool actorsTouch(const Actor& a, const Actor& b);

// Eats the first frightened enemy the player touches, or lets the first active one punch the
// player out; then applies the blasts of exploding bombs.
void resolveContacts();

// One frame of the knocked-out player; after 85 frames the player loses a life and everyone
// goes home.
void updatePunchedPlayer();

// Frames a knocked-out player spins before it loses a life.
constexpr int punchedSpinFrames = 85;
