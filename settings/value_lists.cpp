#include "settings/value_lists.h"

#include "settings/betting_systems.h"

namespace corvane {

namespace {

// What a list holds: money, counting numbers or the names of a family's betting systems.
struct ListContent {
    const MoneyList* money = nullptr;
    const CountingList* counting = nullptr;
    std::span<const BettingSystem> systems = {};
};

ListContent content(ValueList list) {
    switch (list) {
        case ValueList::StartingBet:
            return {&kStartingBetAmounts};
        case ValueList::BARSetUnits:
            return {&kSetUnitsAmounts};
        case ValueList::CL12:
        case ValueList::CL23:
            return {nullptr, &kChainLengths};
        case ValueList::ROZSteps12:
        case ValueList::ROZSteps23:
            return {nullptr, &kResetOnZeroSteps};
        case ValueList::BettingSystem12:
            return {nullptr, nullptr, systems_of(Family::F12)};
        case ValueList::BettingSystem23:
            return {nullptr, nullptr, systems_of(Family::F23)};
    }
    return {};
}

}  // namespace

int list_size(ValueList list) {
    const ListContent c = content(list);
    if (c.money != nullptr) {
        return c.money->size();
    }
    if (c.counting != nullptr) {
        return c.counting->last - c.counting->first + 1;
    }
    return static_cast<int>(c.systems.size());
}

bool in_list(ValueList list, int index) {
    return index >= 0 && index < list_size(list);
}

std::string list_text(ValueList list, int index) {
    if (!in_list(list, index)) {
        return {};
    }
    const ListContent c = content(list);
    if (c.money != nullptr) {
        const int fractions = c.money->fractions();
        return index < fractions ? std::string(c.money->fraction_texts[index])
                                 : std::to_string(index - fractions + 1);
    }
    if (c.counting != nullptr) {
        return std::to_string(c.counting->first + index);
    }
    return std::string(c.systems[index].name);
}

double list_number(ValueList list, int index) {
    if (!in_list(list, index)) {
        return 0.0;
    }
    const ListContent c = content(list);
    if (c.money != nullptr) {
        const int fractions = c.money->fractions();
        return index < fractions ? c.money->fraction_values[index]
                                 : static_cast<double>(index - fractions + 1);
    }
    if (c.counting != nullptr) {
        return static_cast<double>(c.counting->first + index);
    }
    return 0.0;
}

std::string_view betting_system_name(ValueList list, int index) {
    const std::span<const BettingSystem> systems = content(list).systems;
    if (index < 0 || index >= static_cast<int>(systems.size())) {
        return {};
    }
    return systems[index].name;
}

}  // namespace corvane
