#pragma once

#include <cstdint>

#include "rules/game_state.h"
#include "rules/random_source.h"

namespace tumblewood {

// Starts a new day: reseeds the random source, advances the day and shrinks the bear
// every third day, when it also loses a fitness level if it has one.
void beginDay(GameState& state, RandomSource& random);

// True when the bear has starved: its size has fallen below 1.
bool isStarved(const GameState& state);

// Sets the day's danger (at least 1) and draws its risk, from 1 to danger.
void drawRisk(GameState& state, RandomSource& random);

// The attack roll of every risky action: true when the bear attacks. A chance of 0 or
// less never attacks; 100 or more always does.
bool bearAttacks(std::int32_t chance, RandomSource& random);

// What a feeding adds to the size: a fish feeds twice as much as a berry.
std::int32_t foodValue(std::int32_t berries, std::int32_t fish);

}  // namespace tumblewood
