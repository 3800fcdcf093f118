#include "selfplay.h"

namespace selfplay {

std::vector<Spiel>& spiele() {
    static std::vector<Spiel> liste;
    return liste;
}

}  // namespace selfplay
