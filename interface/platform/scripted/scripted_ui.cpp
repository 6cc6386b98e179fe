#include "interface/platform/scripted/scripted_ui.h"

#include <utility>

namespace velmar {
namespace {

// A page of fixed size in which every character is 10 by 20 pixels.
class ScriptedPrintSurface : public PrintSurface {
public:
    explicit ScriptedPrintSurface(std::vector<ScriptedUi::PrintedText>& printed) : printed_(printed) {}

    PageMetrics Metrics() const override { return {50, 50, 2550, 3300, 2450, 3200, 300}; }
    void SetFont(const std::string&, int) override {}
    int TextWidth(const std::string& text) const override { return 10 * static_cast<int>(text.size()); }
    int TextHeight(const std::string&) const override { return 20; }
    void DrawText(int x, int y, const std::string& text) override { printed_.push_back({page_, x, y, text}); }
    void NewPage() override { ++page_; }
    bool Finish() override { return true; }

private:
    std::vector<ScriptedUi::PrintedText>& printed_;
    int page_ = 1;
};

const char* StepName(int kind) {
    static const char* const kNames[] = {"dialog",      "typing",      "click",       "Escape",
                                         "focus",       "check mark",  "spin",        "choice",      "inspection",
                                         "message box", "open dialog", "save dialog", "print dialog"};
    return kNames[kind];
}

bool HasButton(Buttons buttons, Answer answer) {
    switch (buttons) {
        case Buttons::Ok: return answer == Answer::Ok;
        case Buttons::YesNo: return answer == Answer::Yes || answer == Answer::No;
        case Buttons::YesNoCancel: return answer != Answer::Ok;
    }
    return false;
}

}  // namespace

ScriptedUi& ScriptedUi::Add(Step step) {
    script_.push_back(std::move(step));
    return *this;
}

ScriptedUi& ScriptedUi::Expect(int template_number) {
    return Add({StepKind::Dialog, template_number});
}
ScriptedUi& ScriptedUi::Type(int id, const std::string& text) {
    return Add({StepKind::Type, id, 0, text});
}
ScriptedUi& ScriptedUi::Click(int id) {
    return Add({StepKind::Click, id});
}
ScriptedUi& ScriptedUi::PressEscape() {
    return Add({StepKind::Escape});
}
ScriptedUi& ScriptedUi::Focus(int id) {
    return Add({StepKind::Focus, id});
}
ScriptedUi& ScriptedUi::Spin(int id, int steps) {
    return Add({StepKind::Spin, id, steps});
}

ScriptedUi& ScriptedUi::ChooseItem(int id, int item) {
    return Add({StepKind::Choose, id, item});
}

ScriptedUi& ScriptedUi::CheckItem(int id, int item, bool checked) {
    Step step{StepKind::CheckItem, id, item};
    step.flag = checked;
    return Add(std::move(step));
}

ScriptedUi& ScriptedUi::Inspect(std::function<void(Dialog&)> check) {
    Step step{StepKind::Inspect};
    step.check = std::move(check);
    return Add(std::move(step));
}

ScriptedUi& ScriptedUi::ExpectMessage(const std::string& text, const std::string& caption, Answer answer) {
    return Add({StepKind::Message, 0, 0, text, caption, answer});
}

ScriptedUi& ScriptedUi::ExpectOpenFile(std::optional<std::string> choice) {
    Step step{StepKind::OpenFile};
    step.choice = std::move(choice);
    return Add(std::move(step));
}

ScriptedUi& ScriptedUi::ExpectSaveFile(std::optional<std::string> choice) {
    Step step{StepKind::SaveFile};
    step.choice = std::move(choice);
    return Add(std::move(step));
}

ScriptedUi& ScriptedUi::ExpectPrint(bool accept) {
    Step step{StepKind::Print};
    step.flag = accept;
    return Add(std::move(step));
}

ScriptedUi::Step ScriptedUi::Next(StepKind wanted, const std::string& shown) {
    if (script_.empty()) throw ScriptError("the program showed " + shown + ", but the script has ended");
    Step step = std::move(script_.front());
    script_.pop_front();
    if (step.kind != wanted) {
        throw ScriptError("the program showed " + shown + ", but the script expects a " +
                          StepName(static_cast<int>(step.kind)) + " step");
    }
    return step;
}

int ScriptedUi::ShowModal(Owner, const DialogTemplate& dialog, const DialogProc& proc) {
    const std::string shown = "dialog " + std::to_string(dialog.number);
    dialogs_shown_.push_back(dialog.number);
    if (Dismissing()) {
        ScriptedDialog live(*this, dialog, proc);
        live.Open();
        live.UserEscape();
        if (!live.ended()) throw ScriptError(shown + " does not close on Escape");
        return live.result();
    }
    const Step expected = Next(StepKind::Dialog, shown);
    if (expected.number != dialog.number) {
        throw ScriptError("the program showed " + shown + ", but the script expects dialog " +
                          std::to_string(expected.number));
    }
    ScriptedDialog live(*this, dialog, proc);
    open_dialogs_.push_back(&live);
    struct Closed {
        std::vector<ScriptedDialog*>& open;
        ~Closed() { open.pop_back(); }
    } closed{open_dialogs_};
    live.Open();
    while (!live.ended()) {
        if (Dismissing()) {
            live.UserEscape();
            if (!live.ended()) throw ScriptError(shown + " does not close on Escape");
            break;
        }
        if (script_.empty()) throw ScriptError(shown + " is still open, but the script has ended");
        Step step = std::move(script_.front());
        if (step.kind == StepKind::Dialog) {
            throw ScriptError(shown + " is still open, but the script expects dialog " +
                              std::to_string(step.number));
        }
        if (step.kind > StepKind::Inspect) {
            throw ScriptError(shown + " is open and waits for the user, but the script expects a " +
                              StepName(static_cast<int>(step.kind)));
        }
        script_.pop_front();
        Play(live, step);
    }
    return live.result();
}

void ScriptedUi::Play(ScriptedDialog& dialog, const Step& step) {
    switch (step.kind) {
        case StepKind::Type: dialog.UserType(step.number, step.text); break;
        case StepKind::Click: dialog.UserClick(step.number); break;
        case StepKind::Escape: dialog.UserEscape(); break;
        case StepKind::Focus: dialog.UserFocus(step.number); break;
        case StepKind::CheckItem: dialog.UserCheckItem(step.number, step.item, step.flag); break;
        case StepKind::Spin: dialog.UserSpin(step.number, step.item); break;
        case StepKind::Choose: dialog.UserChooseItem(step.number, step.item); break;
        case StepKind::Inspect: step.check(dialog); break;
        default: break;
    }
}

Answer ScriptedUi::MessageBox(Owner owner, const std::string& text, const std::string& caption,
                              Buttons buttons) {
    messages_.push_back({owner.kind(), text, caption, buttons});
    if (Dismissing()) return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    const std::string shown = "the message \"" + text + "\" (\"" + caption + "\")";
    const Step step = Next(StepKind::Message, shown);
    if (step.text != text || step.caption != caption) {
        throw ScriptError("the program showed " + shown + ", but the script expects \"" + step.text +
                          "\" (\"" + step.caption + "\")");
    }
    if (!HasButton(buttons, step.answer)) {
        throw ScriptError(shown + " has no button for the script's answer");
    }
    return step.answer;
}

std::optional<std::string> ScriptedUi::FileDialog(bool save, Owner owner,
                                                  const std::vector<FileFilter>& filters,
                                                  const std::string& initial_name) {
    file_dialogs_.push_back({save, owner.kind(), filters, initial_name});
    if (Dismissing()) return std::nullopt;
    return Next(save ? StepKind::SaveFile : StepKind::OpenFile, save ? "the save dialog" : "the open dialog")
        .choice;
}

std::optional<std::string> ScriptedUi::AskOpenFileName(Owner owner, const FileFilter& filter,
                                                       const std::string& initial_name) {
    return FileDialog(false, owner, {filter}, initial_name);
}

std::optional<std::string> ScriptedUi::AskSaveFileName(Owner owner, const std::vector<FileFilter>& filters,
                                                       const std::string& initial_name) {
    return FileDialog(true, owner, filters, initial_name);
}

std::unique_ptr<PrintSurface> ScriptedUi::BeginPrint(Owner, const std::string& document_name) {
    if (Dismissing()) return nullptr;
    if (!Next(StepKind::Print, "the print dialog for \"" + document_name + "\"").flag) return nullptr;
    return std::make_unique<ScriptedPrintSurface>(printed_);
}

std::unique_ptr<PrintSurface> ScriptedUi::BeginPdf(const std::string& path, const std::string&) {
    pdf_files_.push_back(path);
    return std::make_unique<ScriptedPrintSurface>(printed_);
}

ProgramExit ScriptedUi::RunProgramAndWait(const std::string& program,
                                          const std::vector<std::string>& arguments,
                                          const std::string& folder) {
    program_runs_.push_back({program, arguments, folder});
    return on_run_ ? on_run_(program_runs_.back()) : ProgramExit{};
}

void ScriptedUi::RunInBackground(const std::function<void()>& work, const std::function<void()>& tick) {
    if (while_working_ && !open_dialogs_.empty()) while_working_(*open_dialogs_.back());
    tick();
    work();
    tick();
}

std::optional<std::int32_t> ScriptedUi::StoredOption(const std::string& name) const {
    auto found = options_.find(name);
    if (found == options_.end() || !found->second.is_int32) return std::nullopt;
    return found->second.value;
}

std::optional<std::int32_t> ScriptedUi::ReadOption(const std::string& name) {
    ++option_reads_;
    return StoredOption(name);
}

void ScriptedUi::WriteOption(const std::string& name, std::int32_t value) {
    ++option_writes_;
    options_[name] = {true, value};
}

}  // namespace velmar
