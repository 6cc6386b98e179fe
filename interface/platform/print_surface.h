// A printed document in progress, in device pixels of the printer. Drawing coordinates start
// at the top-left corner of the printable area; the metrics say where that lies on the paper.
#pragma once

#include <string>

namespace velmar {

struct PageMetrics {
    int left = 0;  // offset of the printable area from the paper's edge
    int top = 0;
    int page_width = 0;  // physical page
    int page_height = 0;
    int printable_width = 0;
    int printable_height = 0;
    int dots_per_inch = 0;  // vertical resolution
};

class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    virtual PageMetrics Metrics() const = 0;
    // Selects a font for the following text; points as a word processor counts them. A host
    // without the family substitutes one of its kind.
    virtual void SetFont(const std::string& family, int points) = 0;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual int TextHeight(const std::string& text) const = 0;
    // Draws text with its top-left corner at (x, y).
    virtual void DrawText(int x, int y, const std::string& text) = 0;
    virtual void NewPage() = 0;
    // Sends the document to the printer; nothing is printed without it. False when the
    // document could not be completed.
    virtual bool Finish() = 0;
};

}  // namespace velmar
