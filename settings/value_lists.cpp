#include "settings/value_lists.h"

#include "settings/betting_systems.h"

namespace corvane {

namespace {

// The systems of a list of them; none for any other list.
std::span<const BettingSystem> systems(const ListContent& list) {
    return list.systems ? systems_of(*list.systems) : std::span<const BettingSystem>{};
}

}  // namespace

int list_size(const ListContent& list) {
    if (list.money != nullptr) {
        return list.money->size();
    }
    if (list.systems) {
        return static_cast<int>(systems(list).size());
    }
    return list.counting.last - list.counting.first + 1;
}

bool in_list(const ListContent& list, int index) {
    return index >= 0 && index < list_size(list);
}

std::string list_text(const ListContent& list, int index) {
    if (!in_list(list, index)) {
        return {};
    }
    if (list.money != nullptr) {
        const int fractions = list.money->fractions();
        return index < fractions ? std::string(list.money->fraction_texts[index])
                                 : std::to_string(index - fractions + 1);
    }
    if (list.systems) {
        return std::string(systems(list)[index].name);
    }
    return std::to_string(list.counting.first + index);
}

double list_number(const ListContent& list, int index) {
    if (!in_list(list, index) || list.systems) {
        return 0.0;
    }
    if (list.money != nullptr) {
        const int fractions = list.money->fractions();
        return index < fractions ? list.money->fraction_values[index]
                                 : static_cast<double>(index - fractions + 1);
    }
    return static_cast<double>(list.counting.first + index);
}

std::string_view betting_system_name(ValueList list, int index) {
    const std::span<const BettingSystem> names = systems(content_of(list));
    if (index < 0 || index >= static_cast<int>(names.size())) {
        return {};
    }
    return names[index].name;
}

}  // namespace corvane
