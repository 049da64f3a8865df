#include <string_view>

#include "game/game.h"

namespace tumblewood {

namespace {

// Picks one of four texts by a counter, testing from the top band down:
// 7 or more, 5 or more, 3 or more, anything below.
std::string_view band(std::int32_t value, std::string_view sevenOrMore, std::string_view fiveOrMore,
                      std::string_view threeOrMore, std::string_view below) {
  if (value >= 7) return sevenOrMore;
  if (value >= 5) return fiveOrMore;
  if (value >= 3) return threeOrMore;
  return below;
}

}  // namespace

void examineBear(Game& game) {
  // Examining does not spend the day: the next start of a day adds this 1 back.
  --game.state.day;
  const GameState& state = game.state;
  game.console
      << band(state.fitness,
              "Your bear is a hulking muscular monster. You best not fuck with it.\n",
              "Your bear is very strong and well built. You've done a great job exercising it.\n",
              "Your bear is fairly in shape, for a bear. It could use some more exercise, "
              "though.\n",
              "Your bear is out of shape, and it breathes heavily even while standing. Take it "
              "for a walk!\n")
      << band(state.timesPet,
              "Your bear is very closely bonded with you, and considers you a part of it family, "
              "mostly.\n",
              "Your bear is very affectionate towards you, and is quite trusting of you. "
              "Mostly.\n",
              "Your bear is fairly trusting of you, but is still a bear and quite \n"
              "suspicious of any sudden movements you make.\n",
              "You and this bear haven't connected at all, the bear doesn't trust you.\n")
      << "Your bear knows " << state.tricks << " tricks. Good job!\nYour bear is size "
      << state.size
      << ". Once this number starts getting higher, \nthe bear will be more dangerous to "
         "handle.\n";
}

}  // namespace tumblewood
