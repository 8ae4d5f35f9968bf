#include "tools/Players.h"

Players::Players(Program& p) : p_(p) {}

void Players::ScriptPlayerPlayStop(int index) {
    if (index == 1) ++scriptStops_;
}

void Players::PlayerTransport(int index) {
    if (index == 1) ++mediaStops_;
}
