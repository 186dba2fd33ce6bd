// Games in a known state, shared by several tests.
#pragma once

#include "core/engine.h"

namespace corvane::testing {

// Red and Odd bets of stake 1 stand after black, red, black, red with the 1/2 chain length 3.
inline Engine with_two_bets() {
    Engine e;
    for (int i = 0; i < 7; ++i) {
        e.apply(SettingOp::CL12_Step, {}, -1);
    }
    for (int n : {2, 1, 4, 3}) {
        e.spin(n);
    }
    return e;
}

}  // namespace corvane::testing
