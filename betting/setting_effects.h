// What a change of the options does to the bets on the table.
#pragma once

#include "betting/table_state.h"
#include "settings/operations.h"

namespace corvane {

class TableEffects final : public GameEffects {
  public:
    explicit TableEffects(TableState& table) : table_(table) {}

    void category_switched_off(CategoryId category) override;
    void show_chain_labels(bool shown) override;
    void stakes_to_starting_bet(double starting_bet) override;
    void move_aim(double amount) override;
    void end_all_bets() override;

  private:
    TableState& table_;
};

}  // namespace corvane
