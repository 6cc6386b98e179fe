#include "interface/session/help.h"

#include <cstdio>
#include <memory>

#include "interface/resources/strings.h"
#include "interface/resources/templates.h"
#include "interface/session/program_files.h"

namespace velmar {
namespace {

std::string NormaliseLineEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
        } else if (i + 1 == text.size() || text[i + 1] != '\n') {
            out += '\n';
        }
    }
    return out;
}

// Ends a dialog whose only ways out are OK, Cancel, Escape and the close box.
void CloseOnOkOrCancel(Dialog& d, const DialogEvent& e) {
    if (e.kind == DialogEvent::Ok || e.kind == DialogEvent::Cancel)
        d.End(e.kind == DialogEvent::Ok ? kOkId : kCancelId);
}

}  // namespace

std::optional<std::string> ReadHelpFile(const std::string& file) {
    const std::string path = TextFromPath(ProgramFile("Help/" + file));
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(OpenFile(path, "rb"), std::fclose);
    if (!in) return std::nullopt;
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) text.append(buffer, got);
    if (std::ferror(in.get())) return std::nullopt;
    return NormaliseLineEnds(text);
}

void ShowHelpText(Ui& ui, Owner owner, const std::string& caption, const std::string& file) {
    ui.ShowModal(owner, Template(kHelpTextDialog), [&](Dialog& d, const DialogEvent& e) {
        if (e.kind == DialogEvent::Opened) {
            d.SetCaption(caption);
            d.SetText(kHelpTextBox, ReadHelpFile(file).value_or(kNoHelpFile));
        }
        CloseOnOkOrCancel(d, e);
    });
}

}  // namespace velmar
