// Games in a known state, shared by several tests.
#pragma once

#include "engine/engine.h"

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

// Red/Black alone with windows of three codes: a black and three reds make chain 1 and lay a
// bet of 1 on Black.
inline Engine red_black_with_windows_of_three() {
    Engine e;
    for (CategoryId c : {CategoryId::EO, CategoryId::LM, CategoryId::D, CategoryId::C}) {
        e.apply(SettingOp::Category_Off, c);
    }
    for (int i = 0; i < 7; ++i) {
        e.apply(SettingOp::CL12_Step, {}, -1);
    }
    return e;
}

}  // namespace corvane::testing
