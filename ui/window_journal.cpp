// The window's actions on the game, each kept in the evening's journal, and the evening
// continued or begun anew.
#include "engine/journal.h"
#include "ui/evening_journal.h"
#include "ui/loading_panel.h"
#include "ui/main_window.h"

namespace corvane {

void MainWindow::perform(const ScriptAction& action) {
    using Kind = ScriptAction::Kind;
    // What a spin's last tick would have done comes first, so that the journal's order is the
    // order in which the game changed.
    const auto spin_ends_first = [this, &action] {
        if (journal_->keeping() && action.kind != Kind::Spin && engine_.game().timer_running) {
            engine_.finish_spin();
            progress_timer_.stop();
        }
    };
    switch (action.kind) {
        case Kind::Spin:
            typed_.clear();
            surface_.change([this, &action](Engine& e) {
                if (e.click_number(action.number)) {
                    // On the disk before the cell even shows as pressed.
                    journal_->applied(action);
                    progress_timer_.start();
                }
            });
            break;
        case Kind::Undo:
        case Kind::Bets:
        case Kind::Op:
            surface_.change([&](Engine& e) {
                spin_ends_first();
                const bool changes = action.kind != Kind::Undo || e.game().undo_available;
                run_script_action(e, action);
                if (changes) {
                    journal_->applied(action);
                }
            });
            break;
        case Kind::NewGame:
        case Kind::DefaultSettings:
            surface_.run_file_action([&](Engine& e) {
                run_script_action(e, action);
                journal_->applied(action);
                return Message{};
            });
            break;
        case Kind::LoadNumbers:
            loading_->show();
            surface_.run_file_action([&](Engine& e) {
                std::shared_ptr<const std::string> loaded;
                const Message m =
                    load_numbers_keeping(e, action.text, loaded, loading_->progress());
                loading_->hide();
                if (loaded) {
                    journal_->applied(action, std::move(loaded));
                }
                return m;
            });
            break;
        case Kind::LoadSettings:
            surface_.run_file_action([&](Engine& e) {
                std::shared_ptr<const std::string> loaded;
                const Message m = load_settings_keeping(e, action.text, loaded);
                if (loaded) {
                    journal_->applied(action, std::move(loaded));
                }
                return m;
            });
            break;
        case Kind::SaveNumbers:
        case Kind::SaveSettings:
            break;
    }
    journal_->tell_failure();
}

void MainWindow::replace_engine(Engine&& engine) {
    surface_.change([this, &engine](Engine& e) {
        progress_timer_.stop();
        e = std::move(engine);
    });
}

void MainWindow::start_evening() {
    Engine replayed;
    replayed.set_plan(engine_.plan());
    if (journal_->start(replayed)) {
        replace_engine(std::move(replayed));
    }
}

void MainWindow::new_evening() {
    if (!ask_yes_no || !ask_yes_no(EveningJournal::new_evening_question())) {
        return;
    }
    journal_->new_evening();
    Engine fresh;
    fresh.set_plan(engine_.plan());
    replace_engine(std::move(fresh));
}

void MainWindow::keep_evening(bool on) {
    journal_->set_wanted(on);
}

}  // namespace corvane
