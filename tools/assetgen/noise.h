// Deterministic, tileable noise for stone and fire textures. Every lattice wraps with the
// given period, so a texture made with a period of 32 joins itself seamlessly on tile edges.
#pragma once

#include <cstdint>

// A pseudo-random value in [0, 1) for a lattice point.
double hashUnit(int x, int y, uint32_t seed);

// Smooth value noise in [0, 1) with a lattice of `cell` pixels wrapping every `period` pixels.
double valueNoise(double x, double y, int cell, int period, uint32_t seed);

// Three octaves of value noise (cells 8, 4, 2), still wrapping every `period` pixels.
double stoneNoise(double x, double y, int period, uint32_t seed);
