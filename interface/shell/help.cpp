#include "interface/shell/help.h"

#include <cstdio>
#include <filesystem>
#include <memory>

#include "interface/resources/strings.h"
#include "interface/resources/templates.h"

namespace velmar {
namespace {

constexpr int kHelpTextBox = 1130;
constexpr int kDetailsTextBox = 1015;
constexpr int kTechnicalReportLink = 1206;

constexpr const char* kDetailedInformation =
    "The Velmar Screening Model (VELMAR)"
    " screening model was designed with the objective of"
    " estimating the Removal Efficiency for a specific"
    " pollutant by a wetland. The model is a screening-"
    "level assessment that uses simplified quantitative"
    " methods that minimize time and effort for the"
    " end-user.";

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
    const std::string path = (std::filesystem::path("Help") / file).string();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(path.c_str(), "rb"), std::fclose);
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

void ShowDetailedInformation(Ui& ui, Owner owner) {
    ui.ShowModal(owner, Template(kDetailedInformationDialog), [&ui](Dialog& d, const DialogEvent& e) {
        if (e.kind == DialogEvent::Opened) d.SetText(kDetailsTextBox, kDetailedInformation);
        if (e.kind == DialogEvent::Clicked && e.id == kTechnicalReportLink)
            ui.OpenDocument(kTechnicalReportDocument);
        CloseOnOkOrCancel(d, e);
    });
}

}  // namespace velmar
