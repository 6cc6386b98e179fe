#include "interface/platform/web/web_ui.h"

#include <emscripten.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <system_error>

#include "interface/platform/pdf_surface.h"
#include "project/file_names.h"

// The page's script (velmar_page.js) keeps every element; these calls reach it. Strings come
// back in memory the program frees; a call marked async sets the program's stack aside until
// the user has answered.

// clang-format off
EM_JS(void, velmar_show_main_window, (const char* description), {
    VelmarPage.showMainWindow(JSON.parse(UTF8ToString(description)));
});
EM_ASYNC_JS(int, velmar_next_command, (), {
    return await VelmarPage.nextCommand();
});
EM_JS(void, velmar_end, (), { VelmarPage.end(); });
EM_JS(void, velmar_ask_before_leaving, (int ask), { VelmarPage.askBeforeLeaving(ask !== 0); });
EM_JS(void, velmar_open_dialog, (int handle, const char* dialog), {
    VelmarPage.openDialog(handle, JSON.parse(UTF8ToString(dialog)));
});
EM_JS(void, velmar_show_dialog, (int handle), { VelmarPage.showDialog(handle); });
EM_ASYNC_JS(void, velmar_next_event, (int handle, int* event), {
    VelmarPage.writeEvent(await VelmarPage.nextEvent(handle), event);
});
EM_JS(int, velmar_take_event, (int handle, int* event), {
    const e = VelmarPage.takeEvent(handle);
    if (!e) return 0;
    VelmarPage.writeEvent(e, event);
    return 1;
});
EM_ASYNC_JS(void, velmar_let_page_draw, (), {
    await new Promise((resolve) => setTimeout(resolve, 0));
});
EM_JS(void, velmar_close_dialog, (int handle), { VelmarPage.closeDialog(handle); });
EM_JS(char*, velmar_dialog_call_text, (int handle, const char* call), {
    return VelmarPage.newString(VelmarPage.dialogCall(handle, JSON.parse(UTF8ToString(call))));
});
EM_JS(int, velmar_dialog_call_number, (int handle, const char* call), {
    return VelmarPage.dialogCall(handle, JSON.parse(UTF8ToString(call)));
});
EM_ASYNC_JS(int, velmar_save_chart, (int handle, int id, const char* path), {
    return await VelmarPage.saveChart(handle, id, UTF8ToString(path));
});
EM_ASYNC_JS(int, velmar_message_box, (const char* text, const char* caption, int buttons), {
    return await VelmarPage.messageBox(UTF8ToString(text), UTF8ToString(caption), buttons);
});
EM_ASYNC_JS(char*, velmar_ask_file_name, (const char* request), {
    const name = await VelmarPage.askFileName(JSON.parse(UTF8ToString(request)));
    return name === null ? 0 : VelmarPage.newString(name);
});
EM_JS(void, velmar_open_document, (const char* path), { VelmarPage.openDocument(UTF8ToString(path)); });
EM_JS(void, velmar_open_address, (const char* address), { VelmarPage.openAddress(UTF8ToString(address)); });
EM_JS(void, velmar_set_clipboard, (const char* text), { VelmarPage.setClipboard(UTF8ToString(text)); });
EM_JS(char*, velmar_read_option, (const char* name), {
    const text = VelmarPage.readOption(UTF8ToString(name));
    return text === null ? 0 : VelmarPage.newString(text);
});
EM_JS(void, velmar_write_option, (const char* name, int value), {
    VelmarPage.writeOption(UTF8ToString(name), String(value));
});
EM_JS(int, velmar_print_call, (const char* call), {
    return VelmarPage.printCall(JSON.parse(UTF8ToString(call)));
});
// clang-format on

namespace velmar {
namespace {

using nlohmann::json;

// The page's script numbers the events as the program does.
static_assert(DialogEvent::Opened == 0 && DialogEvent::Clicked == 1 && DialogEvent::FieldEntered == 2 &&
              DialogEvent::FieldLeft == 3 && DialogEvent::TextEdited == 4 && DialogEvent::ItemChanged == 5 &&
              DialogEvent::Spin == 6 && DialogEvent::Ok == 7 && DialogEvent::Cancel == 8);
static_assert(kOkId == 1 && kCancelId == 2);

const char* KindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return "label";
        case ControlKind::NumberField: return "number";
        case ControlKind::ReadOnlyField: return "readonly";
        case ControlKind::TextField: return "text";
        case ControlKind::MultilineText: return "multiline";
        case ControlKind::RadioButton: return "radio";
        case ControlKind::CheckBox: return "check";
        case ControlKind::CheckList: return "checklist";
        case ControlKind::Spin: return "spin";
        case ControlKind::PushButton: return "button";
        case ControlKind::DefaultButton: return "default";
        case ControlKind::GroupBox: return "group";
        case ControlKind::Link: return "link";
        case ControlKind::ChoiceList: return "choicelist";
        case ControlKind::Chart: return "chart";
        case ControlKind::Progress: return "progress";
    }
    return "label";
}

json TemplateDescription(const DialogTemplate& t) {
    json controls = json::array();
    for (const Control& c : t.controls) {
        controls.push_back({{"id", c.id},
                            {"kind", KindName(c.kind)},
                            {"text", c.text},
                            {"row", c.at.row},
                            {"column", c.at.column},
                            {"span", c.at.span},
                            {"group", c.at.group},
                            {"disabled", (c.flags & kDisabled) != 0},
                            {"hidden", (c.flags & kHidden) != 0},
                            {"centered", (c.flags & kCentered) != 0},
                            {"table", (c.flags & kTable) != 0},
                            {"radioSet", c.radio_set},
                            {"width", c.width},
                            {"lines", c.lines},
                            {"low", c.low},
                            {"high", c.high},
                            {"label", c.label},
                            {"heading", c.heading}});
    }
    json order = json::array();
    for (const Control* c : ReadingOrder(t)) order.push_back(c->id);
    return {{"number", t.number},
            {"caption", t.caption},
            {"buttonsRight", t.buttons == ButtonStrip::Right},
            {"systemMenu", t.system_menu},
            {"dense", t.dense},
            {"controls", std::move(controls)},
            {"order", std::move(order)}};
}

json ChartJson(const Chart& chart) {
    const auto axis = [](const ChartAxis& a) {
        const char* scale = a.scale == AxisScale::Log ? "log" : a.scale == AxisScale::Dates ? "dates" : "linear";
        return json{{"caption", a.Caption()}, {"scale", scale}};
    };
    json series = json::array();
    for (const ChartSeries& s : chart.series) {
        json points = json::array();
        for (const ChartPoint& p : s.points) points.push_back({p.x, p.y});
        series.push_back({{"name", s.name},
                          {"points", std::move(points)},
                          {"secondAxis", s.second_axis},
                          {"marks", s.marks}});
    }
    json markers = json::array();
    for (const ChartMarker& m : chart.markers)
        markers.push_back({{"vertical", m.direction == ChartMarker::Vertical}, {"at", m.at}, {"label", m.label}});
    json bands = json::array();
    for (const ChartBand& b : chart.bands)
        bands.push_back({{"name", b.name}, {"lower", b.lower}, {"upper", b.upper}});
    return {{"title", chart.title},         {"x", axis(chart.x)},    {"y", axis(chart.y)},
            {"y2", axis(chart.y2)},         {"series", std::move(series)}, {"markers", std::move(markers)},
            {"bands", std::move(bands)}};
}

DialogEvent EventOf(const int event[4]) {
    return {static_cast<DialogEvent::Kind>(event[0]), event[1], event[2], event[3]};
}

std::string TakeString(char* text) {
    std::string taken = text ? text : "";
    std::free(text);
    return taken;
}

// A live dialog: a handle to the page's elements, which hold every control's state.
class WebDialog : public Dialog {
public:
    WebDialog(Ui& ui, int handle, int number) : ui_(ui), handle_(handle), number_(number) {}

    int TemplateNumber() const override { return number_; }
    Ui& ui() override { return ui_; }
    int handle() const { return handle_; }
    bool ended() const { return ended_; }
    int result() const { return result_; }

    std::string Caption() const override { return Text({{"call", "caption"}}); }
    void SetCaption(const std::string& caption) override { Call({{"call", "setCaption"}, {"text", caption}}); }
    std::string Text(int id) const override { return Text({{"call", "text"}, {"id", id}}); }
    void SetText(int id, const std::string& text) override {
        Call({{"call", "setText"}, {"id", id}, {"text", text}});
    }
    void SelectAllText(int id) override { Call({{"call", "selectAll"}, {"id", id}}); }
    bool Checked(int id) const override { return Call({{"call", "checked"}, {"id", id}}) != 0; }
    void SetChecked(int id, bool checked) override {
        Call({{"call", "setChecked"}, {"id", id}, {"value", checked}});
    }
    bool IsEnabled(int id) const override { return Call({{"call", "enabled"}, {"id", id}}) != 0; }
    void Enable(int id, bool enabled) override { Call({{"call", "enable"}, {"id", id}, {"value", enabled}}); }
    bool IsShown(int id) const override { return Call({{"call", "shown"}, {"id", id}}) != 0; }
    void Show(int id, bool shown) override { Call({{"call", "show"}, {"id", id}, {"value", shown}}); }
    void SetFocus(int id) override { Call({{"call", "focus"}, {"id", id}}); }
    void SetItems(int id, const std::vector<std::string>& items) override {
        Call({{"call", "setItems"}, {"id", id}, {"items", items}});
    }
    int ItemCount(int id) const override { return Call({{"call", "itemCount"}, {"id", id}}); }
    bool ItemChecked(int id, int item) const override {
        return Call({{"call", "itemChecked"}, {"id", id}, {"item", item}}) != 0;
    }
    void SetItemChecked(int id, int item, bool checked) override {
        Call({{"call", "setItemChecked"}, {"id", id}, {"item", item}, {"value", checked}});
    }
    int ChosenItem(int id) const override { return Call({{"call", "chosenItem"}, {"id", id}}); }
    void ChooseItem(int id, int item) override { Call({{"call", "chooseItem"}, {"id", id}, {"item", item}}); }
    void SetChart(int id, const Chart& chart) override {
        Call({{"call", "setChart"}, {"id", id}, {"chart", ChartJson(chart)}});
    }
    bool SaveChart(int id, const std::string& path) override {
        return velmar_save_chart(handle_, id, path.c_str()) != 0;
    }
    void SetProgress(int id, int percent) override {
        Call({{"call", "setProgress"}, {"id", id}, {"value", percent}});
    }
    int SpinPosition(int id) const override { return Call({{"call", "spinPosition"}, {"id", id}}); }
    void SetSpinPosition(int id, int position) override {
        Call({{"call", "setSpinPosition"}, {"id", id}, {"value", position}});
    }
    void End(int result) override {
        if (ended_) return;
        ended_ = true;
        result_ = result;
    }

private:
    int Call(const json& call) const { return velmar_dialog_call_number(handle_, call.dump().c_str()); }
    std::string Text(const json& call) const {
        return TakeString(velmar_dialog_call_text(handle_, call.dump().c_str()));
    }

    Ui& ui_;
    int handle_;
    int number_;
    bool ended_ = false;
    int result_ = 0;
};

int next_handle = 1;

// A document printed through the browser: pages of text placed as on paper, which the page
// lays out and hands to the browser's print (which can also make a PDF).
class WebPrintSurface : public PrintSurface {
public:
    explicit WebPrintSurface(const std::string& document_name) {
        velmar_print_call(json{{"call", "begin"}, {"name", document_name}}.dump().c_str());
    }
    PageMetrics Metrics() const override {
        // Letter paper at the page's 96 pixels to the inch, with half-inch margins.
        return {.left = 48,
                .top = 48,
                .page_width = 816,
                .page_height = 1056,
                .printable_width = 720,
                .printable_height = 960,
                .dots_per_inch = 96};
    }
    void SetFont(const std::string& family, int points) override {
        velmar_print_call(json{{"call", "font"}, {"family", family}, {"points", points}}.dump().c_str());
    }
    int TextWidth(const std::string& text) const override {
        return velmar_print_call(json{{"call", "width"}, {"text", text}}.dump().c_str());
    }
    int TextHeight(const std::string& text) const override {
        return velmar_print_call(json{{"call", "height"}, {"text", text}}.dump().c_str());
    }
    void DrawText(int x, int y, const std::string& text) override {
        velmar_print_call(json{{"call", "text"}, {"x", x}, {"y", y}, {"text", text}}.dump().c_str());
    }
    void NewPage() override { velmar_print_call(R"({"call":"page"})"); }
    bool Finish() override { return velmar_print_call(R"({"call":"finish"})") != 0; }
};

json FiltersJson(const std::vector<FileFilter>& filters) {
    json list = json::array();
    for (const FileFilter& f : filters) list.push_back({{"description", f.description}, {"pattern", f.pattern}});
    return list;
}

std::optional<std::string> AskFileName(bool save, const std::vector<FileFilter>& filters,
                                       const std::string& initial_name) {
    const json request{{"save", save},
                       {"filters", FiltersJson(filters)},
                       {"initial", initial_name},
                       {"folder", kWebFilesFolder}};
    char* chosen = velmar_ask_file_name(request.dump().c_str());
    if (!chosen) return std::nullopt;
    return TakeString(chosen);
}

}  // namespace

std::string WebTemplateDescription(const DialogTemplate& dialog) {
    return TemplateDescription(dialog).dump();
}

void WebUi::AddProgram(const std::string& file_name, WebProgram program) {
    programs_[file_name] = std::move(program);
}

void WebUi::ShowMainWindow(const WebMainWindow& window) {
    json menu = json::array();
    for (const MenuItem& item : window.menu) {
        menu.push_back({{"menu", item.menu},
                        {"text", item.text ? item.text : ""},
                        {"command", item.command},
                        {"separatorBefore", item.separator_before}});
    }
    json accelerators = json::array();
    for (const Accelerator& a : window.accelerators) accelerators.push_back({{"keys", a.keys}, {"command", a.command}});
    const json description{{"title", window.title},
                           {"width", window.width},
                           {"height", window.height},
                           {"background", window.background_file},
                           {"menu", std::move(menu)},
                           {"accelerators", std::move(accelerators)}};
    velmar_show_main_window(description.dump().c_str());
}

void WebUi::AskBeforeLeaving(bool ask) {
    velmar_ask_before_leaving(ask);
}

int WebUi::NextCommand() {
    return velmar_next_command();
}

void WebUi::End() {
    velmar_end();
}

// Every dialog and box stands over all the page shows until it closes, whatever its owner.
int WebUi::ShowModal(Owner, const DialogTemplate& dialog, const DialogProc& proc) {
    WebDialog live(*this, next_handle++, dialog.number);
    velmar_open_dialog(live.handle(), TemplateDescription(dialog).dump().c_str());
    open_.push_back({&live, &proc});
    proc(live, {DialogEvent::Opened});
    if (!live.ended()) velmar_show_dialog(live.handle());
    while (!live.ended()) {
        int event[4];
        velmar_next_event(live.handle(), event);
        proc(live, EventOf(event));
    }
    open_.pop_back();
    velmar_close_dialog(live.handle());
    return live.result();
}

Answer WebUi::MessageBox(Owner, const std::string& text, const std::string& caption, Buttons buttons) {
    // The page answers with the button pressed: 0 OK, 1 Cancel, 2 Yes, 3 No.
    constexpr Answer kAnswers[] = {Answer::Ok, Answer::Cancel, Answer::Yes, Answer::No};
    const int shown = buttons == Buttons::Ok ? 0 : buttons == Buttons::YesNo ? 1 : 2;
    const int answer = velmar_message_box(text.c_str(), caption.c_str(), shown);
    return kAnswers[answer];
}

std::optional<std::string> WebUi::AskOpenFileName(Owner, const FileFilter& filter,
                                                  const std::string& initial_name) {
    return AskFileName(false, {filter}, initial_name);
}

std::optional<std::string> WebUi::AskSaveFileName(Owner, const std::vector<FileFilter>& filters,
                                                  const std::string& initial_name) {
    return AskFileName(true, filters, initial_name);
}

std::unique_ptr<PrintSurface> WebUi::BeginPrint(Owner, const std::string& document_name) {
    return std::make_unique<WebPrintSurface>(document_name);
}

std::unique_ptr<PrintSurface> WebUi::BeginPdf(const std::string& path, const std::string& document_name) {
    return std::make_unique<PdfSurface>(path, document_name);
}

void WebUi::AddDocument(const std::string& file_name, const std::string& address) {
    documents_[file_name] = address;
}

void WebUi::OpenDocument(const std::string& path_or_address) {
    const auto shown = documents_.find(TextFromPath(PathFromText(path_or_address).filename()));
    if (shown != documents_.end())
        velmar_open_address(shown->second.c_str());
    else
        velmar_open_document(path_or_address.c_str());
}

ProgramExit WebUi::RunProgramAndWait(const std::string& program, const std::vector<std::string>& arguments,
                                     const std::string& folder) {
    const auto found = programs_.find(TextFromPath(PathFromText(program).filename()));
    if (found == programs_.end()) return {.start_error = 2};
    std::error_code failed;
    const std::filesystem::path previous = std::filesystem::current_path(failed);
    if (!folder.empty()) std::filesystem::current_path(PathFromText(folder), failed);
    if (failed) return {.start_error = failed.value()};
    const int status = found->second(arguments);
    std::filesystem::current_path(previous, failed);
    return {.status = status};
}

// The page has one thread: the work runs on it, and lets the page draw and take the user's
// clicks each time it reports progress.
void WebUi::RunInBackground(const std::function<void()>& work, const std::function<void()>& tick) {
    const std::function<void()>* outer = std::exchange(tick_, &tick);
    tick();
    last_tick_ = emscripten_get_now();
    work();
    tick_ = outer;
    tick();
}

void WebUi::WorkProgressed() {
    constexpr double kTickMilliseconds = 50;
    if (!tick_ || emscripten_get_now() - last_tick_ < kTickMilliseconds) return;
    (*tick_)();
    velmar_let_page_draw();
    last_tick_ = emscripten_get_now();
    if (open_.empty()) return;
    const LiveDialog top = open_.back();
    auto& live = static_cast<WebDialog&>(*top.dialog);
    int event[4];
    while (!live.ended() && velmar_take_event(live.handle(), event)) (*top.proc)(live, EventOf(event));
}

void WebUi::SetClipboardText(const std::string& text) {
    velmar_set_clipboard(text.c_str());
}

// An option is kept as its decimal text; any other text reads as empty.
std::optional<std::int32_t> WebUi::ReadOption(const std::string& name) {
    char* stored = velmar_read_option(name.c_str());
    if (!stored) return std::nullopt;
    const std::string text = TakeString(stored);
    std::int32_t value = 0;
    const auto [end, failed] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (failed != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

void WebUi::WriteOption(const std::string& name, std::int32_t value) {
    velmar_write_option(name.c_str(), value);
}

}  // namespace velmar
