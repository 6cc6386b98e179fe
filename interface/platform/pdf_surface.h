// A printed document written as a PDF file by the program itself, for a host with no PDF
// printer of its own (a web page). Text only, in the standard fonts every PDF reader carries,
// so nothing is embedded: Courier for a fixed-pitch family, Helvetica for any other.
#pragma once

#include <string>
#include <vector>

#include "interface/platform/print_surface.h"

namespace velmar {

class PdfSurface : public PrintSurface {
public:
    PdfSurface(std::string path, std::string document_name);

    // Letter paper with half-inch margins, in tenths of a point (720 to the inch).
    PageMetrics Metrics() const override;
    void SetFont(const std::string& family, int points) override;
    int TextWidth(const std::string& text) const override;
    int TextHeight(const std::string& text) const override;
    void DrawText(int x, int y, const std::string& text) override;
    void NewPage() override;
    // Writes the file, replacing any earlier one only once it is whole.
    bool Finish() override;

private:
    std::string path_;
    std::string document_name_;
    bool fixed_pitch_ = false;
    int points_ = 10;
    std::vector<std::string> pages_;  // each page's content stream
};

}  // namespace velmar
